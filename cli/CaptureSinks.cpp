#include "CaptureSinks.h"

#include <cerrno>
#include <cstring>

#include "WavSample.h"

namespace {

constexpr std::int16_t kMono = 1;
constexpr std::int16_t kOneByte = 1;

std::string SystemReason() {
    return errno != 0 ? std::strerror(errno) : "write failed";
}

}  // namespace

std::unique_ptr<CsvFrameSink> CsvFrameSink::Open(const std::string& path, std::ostream& standardOutput,
                                                 int sampleRate, std::uint8_t channelMask,
                                                 std::string* error) {
    std::unique_ptr<std::ofstream> file;
    if (path != "-") {
        errno = 0;
        file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
        if (!*file) {
            *error = path + ": cannot be created: " + SystemReason();
            return nullptr;
        }
    }
    std::ostream& out = file != nullptr ? *file : standardOutput;
    std::unique_ptr<CsvFrameSink> sink(new CsvFrameSink(path, std::move(file), out, sampleRate, channelMask));
    if (!sink->writer_.Begin()) {
        *error = sink->Error();
        return nullptr;
    }
    return sink;
}

CsvFrameSink::CsvFrameSink(std::string path, std::unique_ptr<std::ofstream> file, std::ostream& out,
                           int sampleRate, std::uint8_t channelMask)
    : path_(std::move(path)), file_(std::move(file)), writer_(out, sampleRate, channelMask) {}

bool CsvFrameSink::Put(const std::array<float, 2>& volts) {
    errno = 0;
    failed_ = failed_ || !writer_.Put(volts);
    return !failed_;
}

bool CsvFrameSink::Finish() {
    errno = 0;
    failed_ = failed_ || !writer_.Flush();
    if (file_ != nullptr) {
        file_->close();
        failed_ = failed_ || file_->fail();
    }
    return !failed_;
}

std::string CsvFrameSink::Error() const {
    return (path_ == "-" ? std::string("standard output") : path_) + ": cannot be written: " + SystemReason();
}

std::unique_ptr<WavFrameSink> WavFrameSink::Open(const std::string& path, int sampleRate, int channel,
                                                 std::string* error) {
    std::unique_ptr<WavFrameSink> sink(new WavFrameSink(path, sampleRate, channel));
    // The header goes out now: a path that cannot be written is known before
    // the capture starts, and a capture that ends at once leaves a valid
    // empty recording.
    if (sink->writer_.WriteWave(nullptr, sampleRate, 0, kMono, kOneByte, 0, false) == 0) {
        *error = sink->writer_.Error();
        return nullptr;
    }
    return sink;
}

WavFrameSink::WavFrameSink(const std::string& path, int sampleRate, int channel)
    : writer_(path), sampleRate_(sampleRate), channel_(channel) {
    block_.reserve(kBlockBytes);
}

WavFrameSink::~WavFrameSink() {
    Finish();
}

bool WavFrameSink::Write(bool finish) {
    const std::int64_t written = writer_.WriteWave(
        block_.data(), sampleRate_, static_cast<std::int32_t>(block_.size()), kMono, kOneByte, 1, finish);
    const bool ok = written > 0 || (block_.empty() && writer_.Error().empty());
    block_.clear();
    if (!ok && error_.empty()) {
        error_ = writer_.Error();
    }
    return ok;
}

bool WavFrameSink::Put(const std::array<float, 2>& volts) {
    if (!error_.empty() || finished_) {
        return false;
    }
    block_.push_back(VoltsToWavSample(volts[static_cast<std::size_t>(channel_)]));
    return block_.size() < kBlockBytes || Write(false);
}

bool WavFrameSink::Finish() {
    if (finished_) {
        return error_.empty();
    }
    finished_ = true;
    const bool ok = error_.empty() && Write(true);
    writer_.Finish();
    return ok;
}

std::string WavFrameSink::Error() const {
    return error_;
}

std::unique_ptr<SigrokFrameSink> SigrokFrameSink::Open(const std::string& path, int sampleRate,
                                                       std::uint8_t channelMask, std::string* error) {
    std::vector<std::string> names;
    for (int channel = 0; channel < 2; ++channel) {
        if ((channelMask & (1 << channel)) != 0) {
            names.push_back("CH" + std::to_string(channel));
        }
    }
    std::unique_ptr<SigrokSessionWriter> writer =
        SigrokSessionWriter::Create(path, static_cast<std::uint64_t>(sampleRate), names, error);
    if (writer == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<SigrokFrameSink>(new SigrokFrameSink(std::move(writer), channelMask));
}

SigrokFrameSink::SigrokFrameSink(std::unique_ptr<SigrokSessionWriter> writer, std::uint8_t channelMask)
    : writer_(std::move(writer)), channelMask_(channelMask) {}

bool SigrokFrameSink::Put(const std::array<float, 2>& volts) {
    if (channelMask_ == 3) {
        return writer_->PutFrame(volts);
    }
    return writer_->PutFrame(std::span<const float>(&volts[channelMask_ == 1 ? 0 : 1], 1));
}

bool SigrokFrameSink::Finish() {
    return writer_->Finish();
}

std::string SigrokFrameSink::Error() const {
    return writer_->Error();
}
