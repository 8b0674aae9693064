#pragma once

#include <QPointer>

#include "PulseSampleSink.h"

class TFrequencySensorFrom;

// Hands the free-running display's values to the pulse window with the
// run's sample rate and channel mask, as the window's feed takes them.
class PulseWindowSink : public PulseSampleSink {
public:
    explicit PulseWindowSink(TFrequencySensorFrom* window);

    // Whether a value handed over now would reach an open window: not when
    // it is closed, nor when no channel is on (the value would be stale).
    bool Listening() const;
    void AddPulseSample(float pulseVolt) override;

private:
    QPointer<TFrequencySensorFrom> window_;
};
