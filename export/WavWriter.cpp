#include "WavWriter.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "TargetFile.h"

std::atomic<const WavWriter*> WavWriter::openRecording_{nullptr};

namespace {

int SubtypeFor(std::int16_t bytesPerSample) {
    switch (bytesPerSample) {
        case 1:
            return SF_FORMAT_PCM_U8;
        case 2:
            return SF_FORMAT_PCM_16;
        case 3:
            return SF_FORMAT_PCM_24;
        case 4:
            return SF_FORMAT_PCM_32;
        default:
            return 0;
    }
}

// libsndfile's reason without its "System error : " wrapping and final
// full stop, so it reads like other file errors.
std::string Reason(SNDFILE* file) {
    std::string text = sf_strerror(file);
    const std::string wrapping = "System error : ";
    if (text.rfind(wrapping, 0) == 0) {
        text.erase(0, wrapping.size());
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

// Makes room for a new recording at path and sets *file to where it goes,
// by the rules of ReplaceableTarget: a regular file there is removed first,
// so its permissions do not matter; anything else is refused.
std::string RecordingFile(const std::filesystem::path& path, std::filesystem::path* file) {
    if (std::string refusal = ReplaceableTarget(path, file); !refusal.empty()) {
        return refusal;
    }
    // Nothing there, or a link to nothing, is left for the writer to create.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(*file, ignored)) {
        std::filesystem::remove(*file, ignored);
    }
    return {};
}

}  // namespace

WavWriter::WavWriter(std::filesystem::path path, std::int64_t maxDataBytes)
    : path_(std::move(path)), maxDataBytes_(std::min(maxDataBytes, kMaxWavDataBytes)) {}

WavWriter::~WavWriter() {
    Finish();
}

std::int64_t WavWriter::WriteWave(const std::uint8_t* data, std::int32_t sampleRate, std::int32_t length,
                                  std::int16_t channels, std::int16_t bytesPerSample, int continuing,
                                  bool finish) {
    error_.clear();
    if (length < 0 || (length > 0 && data == nullptr)) {
        return Fail("no sample data");
    }
    std::int64_t header = 0;
    if (continuing == 0) {
        Finish();
        if (!Open(sampleRate, channels, bytesPerSample)) {
            return 0;
        }
        std::error_code ignored;
        header = static_cast<std::int64_t>(std::filesystem::file_size(path_, ignored));
        if (ignored) {
            header = 0;
        }
    } else if (file_ == nullptr) {
        return Fail("no recording is open");
    }
    const std::int64_t written = AppendToWave(data, length, finish);
    return written < 0 ? 0 : header + written;
}

void WavWriter::Finish() {
    if (file_ == nullptr) {
        return;
    }
    // Closing writes the final sizes into the header.
    sf_close(file_);
    file_ = nullptr;
    openRecording_.store(nullptr);
}

std::string WavWriter::CheckTarget() const {
    std::filesystem::path file;
    if (const std::string refusal = ReplaceableTarget(path_, &file); !refusal.empty()) {
        return path_.string() + ": cannot be written: " + refusal;
    }
    // A regular file there is removed and made anew: its folder decides.
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
#ifdef _WIN32
    const bool writable = _waccess(folder.c_str(), 2) == 0;
#else
    const bool writable = access(folder.c_str(), W_OK | X_OK) == 0;
#endif
    if (!writable) {
        return path_.string() + ": cannot be written: " + std::strerror(errno);
    }
    return {};
}

bool WavWriter::Open(std::int32_t sampleRate, std::int16_t channels, std::int16_t bytesPerSample) {
    const int subtype = SubtypeFor(bytesPerSample);
    if (subtype == 0 || channels < 1 || sampleRate < 1) {
        Fail("unsupported format: " + std::to_string(sampleRate) + " Hz, " + std::to_string(channels) +
             " channel(s), " + std::to_string(bytesPerSample) + " byte(s) per sample");
        return false;
    }
    const WavWriter* none = nullptr;
    if (!openRecording_.compare_exchange_strong(none, this)) {
        Fail("another recording is still being written");
        return false;
    }
    std::filesystem::path file;
    if (const std::string refusal = RecordingFile(path_, &file); !refusal.empty()) {
        openRecording_.store(nullptr);
        Fail(path_.string() + ": cannot be written: " + refusal);
        return false;
    }
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | subtype;
    file_ = sf_open(file.string().c_str(), SFM_WRITE, &info);
    if (file_ == nullptr) {
        openRecording_.store(nullptr);
        Fail(path_.string() + ": cannot be written: " + Reason(nullptr));
        return false;
    }
    sf_command(file_, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
    frameBytes_ = channels * bytesPerSample;
    bytesWritten_ = 0;
    return true;
}

std::int64_t WavWriter::AppendToWave(const std::uint8_t* data, std::int32_t count, bool finish) {
    std::int64_t written = 0;
    bool ok = true;
    if (count % frameBytes_ != 0) {
        Fail("the block does not hold whole frames");
        ok = false;
    } else if (count > 0) {
        // Beyond the limit the header's sizes would wrap round and the
        // samples after it be lost to any reader.
        const std::int64_t room =
            std::max<std::int64_t>((maxDataBytes_ - maxDataBytes_ % frameBytes_) - bytesWritten_, 0);
        const std::int64_t fits = std::min<std::int64_t>(count, room);
        if (fits > 0) {
            written = sf_write_raw(file_, data, fits);
        }
        if (written != fits) {
            Fail(path_.string() + ": cannot be written: " + Reason(file_));
            ok = false;
        } else if (fits < count) {
            Fail(path_.string() + ": full: a WAV file holds at most " + std::to_string(maxDataBytes_) +
                 " bytes of samples; the later ones are not in it");
            ok = false;
        }
    }
    bytesWritten_ += written;
    if (finish) {
        Finish();
    }
    return ok ? written : -1;
}

std::int64_t WavWriter::Fail(std::string why) {
    error_ = std::move(why);
    return 0;
}
