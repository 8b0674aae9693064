#include "PulseWindowSink.h"

#include "TFrequencySensorFrom.h"
#include "Unit1Globals.h"

PulseWindowSink::PulseWindowSink(TFrequencySensorFrom* window) : window_(window) {}

bool PulseWindowSink::Listening() const {
    return window_ != nullptr && window_->Active() && gChannelMask.load() != 0;
}

void PulseWindowSink::AddPulseSample(float pulseVolt) {
    if (window_ != nullptr) {
        window_->AddPulseSample(gSampleRate.load(), gChannelMask.load(), pulseVolt);
    }
}
