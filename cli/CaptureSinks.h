#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CaptureCsvWriter.h"
#include "FrameSink.h"
#include "SigrokSession.h"
#include "WavWriter.h"

// The capture's CSV file (or standard output for "-").
class CsvFrameSink : public FrameSink {
public:
    // Null with *error set when the file cannot be created.
    static std::unique_ptr<CsvFrameSink> Open(const std::string& path, std::ostream& standardOutput,
                                              int sampleRate, std::uint8_t channelMask, std::string* error);

    bool Put(const std::array<float, 2>& volts) override;
    bool Finish() override;
    std::string Error() const override;

private:
    CsvFrameSink(std::string path, std::unique_ptr<std::ofstream> file, std::ostream& out, int sampleRate,
                 std::uint8_t channelMask);

    const std::string path_;
    std::unique_ptr<std::ofstream> file_;  // null for standard output
    CaptureCsvWriter writer_;
    bool failed_ = false;
};

// The capture's WAV file: one channel as 8-bit mono PCM at the sample rate,
// each voltage converted as the sound sensor converts it. The file is
// created with its header at once, grows in blocks whose sizes the header
// follows, and is finished however the capture ends.
class WavFrameSink : public FrameSink {
public:
    static constexpr int kBlockBytes = 50000;

    static std::unique_ptr<WavFrameSink> Open(const std::string& path, int sampleRate, int channel,
                                              std::string* error);
    ~WavFrameSink() override;

    bool Put(const std::array<float, 2>& volts) override;
    bool Finish() override;
    std::string Error() const override;

private:
    WavFrameSink(const std::string& path, int sampleRate, int channel);
    bool Write(bool finish);

    WavWriter writer_;
    const int sampleRate_;
    const int channel_;
    std::vector<std::uint8_t> block_;
    bool finished_ = false;
    std::string error_;
};

// The capture's sigrok session: the chosen channels as analog channels
// "CH0" and/or "CH1" in volts at the sample rate. libsigrok is handed the
// samples in large packets while the capture runs; the session is renamed
// over the target when the capture ends, however it ends, and a capture
// that fails leaves the target as it was.
class SigrokFrameSink : public FrameSink {
public:
    static std::unique_ptr<SigrokFrameSink> Open(const std::string& path, int sampleRate,
                                                 std::uint8_t channelMask, std::string* error);

    bool Put(const std::array<float, 2>& volts) override;
    bool Finish() override;
    std::string Error() const override;

private:
    SigrokFrameSink(std::unique_ptr<SigrokSessionWriter> writer, std::uint8_t channelMask);

    std::unique_ptr<SigrokSessionWriter> writer_;
    const std::uint8_t channelMask_;
};
