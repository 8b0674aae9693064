#include "SoundRecordingSink.h"

#include <utility>

SoundRecordingSink::SoundRecordingSink(std::filesystem::path path, int blockBytes,
                                       const std::atomic<int>& soundMode, const std::atomic<int>& sampleRate,
                                       WavRecorder::ErrorHandler onError)
    : blockBytes_(blockBytes),
      soundMode_(soundMode),
      sampleRate_(sampleRate),
      onError_(std::move(onError)),
      writer_(std::move(path)) {}

SoundRecordingSink::~SoundRecordingSink() {
    End();
}

void SoundRecordingSink::Begin() {
    End();
    recorder_ = std::make_unique<WavRecorder>(writer_, blockBytes_, onError_);
}

void SoundRecordingSink::Put(float volts) {
    if (recorder_ != nullptr && soundMode_.load() != 0) {
        recorder_->Put(volts, sampleRate_.load());
    }
}

void SoundRecordingSink::End() {
    if (recorder_ != nullptr) {
        recorder_->End(sampleRate_.load());
        recorder_.reset();
    }
}
