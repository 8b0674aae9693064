#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "VoltSink.h"
#include "WavRecorder.h"
#include "WavWriter.h"

// The sound sensor's recording, as the recording reader's voltage sink:
// every voltage becomes one 8-bit sample of the WAV file, collected in
// blocks of blockBytes. The buffer exists from Begin() to End(), so nothing
// is stored outside a run. The sound mode word is read for every voltage:
// switched off during a run, later voltages are not recorded; End() still
// writes what was collected and closes the file, so no file stays open.
//
// onError runs on the reader's thread, once per run, when the file cannot be
// written.
class SoundRecordingSink : public VoltSink {
public:
    SoundRecordingSink(std::filesystem::path path, int blockBytes, const std::atomic<int>& soundMode,
                       const std::atomic<int>& sampleRate, WavRecorder::ErrorHandler onError);
    ~SoundRecordingSink() override;

    void Begin() override;
    void Put(float volts) override;
    void End() override;

private:
    const int blockBytes_;
    const std::atomic<int>& soundMode_;
    const std::atomic<int>& sampleRate_;
    WavRecorder::ErrorHandler onError_;
    WavWriter writer_;
    std::unique_ptr<WavRecorder> recorder_;  // during a run only
};
