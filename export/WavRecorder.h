#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "WavWriter.h"

// One sound recording run, 8-bit mono: voltages in, one sample each
// (VoltsToWavSample), collected in memory and written in blocks of
// blockBytes so the file is touched rarely. The first full block starts the
// recording (replacing the file), each further one is appended, and End()
// writes what is left and finishes the file with its sizes right; a run
// shorter than one block is written by End() in one go. Nothing of the run
// is lost and no file stays open, however the run ends; the destructor ends
// a run that End() did not.
//
// If the file cannot be written, onError is called once with the reason and
// the rest of the run is dropped: at construction when the path is no place
// for a recording (a folder, a missing or read-only folder), else at the
// block that fails. The whole run is driven from one thread.
class WavRecorder {
public:
    using ErrorHandler = std::function<void(const std::string& reason)>;

    WavRecorder(WavWriter& writer, int blockBytes, ErrorHandler onError = {});
    ~WavRecorder();
    WavRecorder(const WavRecorder&) = delete;
    WavRecorder& operator=(const WavRecorder&) = delete;

    // Takes one voltage. sampleRate goes into the header of the first block.
    void Put(float volts, std::int32_t sampleRate);
    // Writes the rest and finishes the file. Later calls do nothing.
    void End(std::int32_t sampleRate);

    // Samples collected and not yet written.
    int Pending() const { return fill_; }
    bool Failed() const { return failed_; }

private:
    void Write(std::int32_t sampleRate, bool finish);

    WavWriter& writer_;
    std::vector<std::uint8_t> buffer_;
    int fill_ = 0;
    int continuing_ = 0;
    ErrorHandler onError_;
    std::int32_t lastRate_ = 0;
    bool failed_ = false;
    bool ended_ = false;
};
