#include "WavRecorder.h"

#include <algorithm>
#include <utility>

#include "WavSample.h"

namespace {

constexpr std::int16_t kChannels = 1;
constexpr std::int16_t kBytesPerSample = 1;

}  // namespace

WavRecorder::WavRecorder(WavWriter& writer, int blockBytes, ErrorHandler onError)
    : writer_(writer),
      buffer_(static_cast<std::size_t>(std::max(blockBytes, 1)), 0),
      onError_(std::move(onError)) {
    // A recording that cannot be made is said at once, not a block later.
    if (const std::string why = writer_.CheckTarget(); !why.empty()) {
        failed_ = true;
        if (onError_) {
            onError_(why);
        }
    }
}

WavRecorder::~WavRecorder() {
    End(lastRate_);
}

void WavRecorder::Put(float volts, std::int32_t sampleRate) {
    if (failed_ || ended_) {
        return;
    }
    lastRate_ = sampleRate;
    buffer_[static_cast<std::size_t>(fill_++)] = VoltsToWavSample(volts);
    if (fill_ >= static_cast<int>(buffer_.size())) {
        Write(sampleRate, false);
    }
}

void WavRecorder::End(std::int32_t sampleRate) {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (!failed_) {
        Write(sampleRate, true);
    }
    // A failed first block leaves nothing open; a failed later one may.
    writer_.Finish();
}

void WavRecorder::Write(std::int32_t sampleRate, bool finish) {
    const std::int64_t written =
        writer_.WriteWave(buffer_.data(), sampleRate, fill_, kChannels, kBytesPerSample, continuing_, finish);
    fill_ = 0;
    continuing_ = 1;
    if (written == 0 && !writer_.Error().empty()) {
        failed_ = true;
        if (onError_) {
            onError_(writer_.Error());
        }
    }
}
