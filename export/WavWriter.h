#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>

typedef struct sf_private_tag SNDFILE;

// Writes a PCM WAVE recording block by block through libsndfile: 8-bit
// unsigned samples (or 16, 24, 32-bit signed little-endian ones), as raw
// bytes in file order. The file has the plain 44-byte header ("RIFF", "fmt "
// of 16 bytes, "data") and its sizes are brought up to date after every
// block, so even a recording cut short by a crash is a valid file; finishing
// closes it. A sample count of odd length gets the pad byte RIFF requires
// (counted in the RIFF size, not in the data size).
//
// The RIFF sizes are 32-bit: a recording stops growing at maxDataBytes
// (kMaxWavDataBytes unless a smaller limit is given), keeping the whole
// frames that fit, and the block that reaches the limit fails with the reason.
//
// Only one recording may be open in the whole process at a time: a second
// writer cannot start one until the first is finished. A writer is used by
// one thread at a time.
// The most sample bytes a WAV file can hold: its RIFF size (36 header bytes,
// the samples and a pad byte for an odd count) must fit 32 bits.
inline constexpr std::int64_t kMaxWavDataBytes = 0xFFFFFFFFLL - 36 - 1;

class WavWriter {
public:
    explicit WavWriter(std::filesystem::path path, std::int64_t maxDataBytes = kMaxWavDataBytes);
    // Finishes a recording left open.
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Writes length bytes of samples. continuing 0 starts a recording: the
    // file is deleted and created anew with sampleRate, channels and
    // bytesPerSample in its header (a recording still open here is finished
    // first). Through a symbolic link the file it points to is replaced.
    // Only a regular file is ever deleted: a folder, device, FIFO or socket
    // at the path is left as it is and the recording refused. continuing != 0 appends to the open recording.
    // finish closes it. Returns the number of bytes the file grew by, the header included for the first
    // block; 0 (with Error() saying why) when the file could not be opened or written, the arguments are
    // invalid, or no recording is open to continue.
    std::int64_t WriteWave(const std::uint8_t* data, std::int32_t sampleRate, std::int32_t length,
                           std::int16_t channels, std::int16_t bytesPerSample, int continuing, bool finish);

    // Finishes the open recording, if any.
    void Finish();

    // Why a new recording could not be written at the path, as WriteWave
    // would say it; empty when it could. Looks only: nothing is created or
    // removed, so a run can be told at its start rather than at its first
    // block (minutes later at 64 S/s).
    std::string CheckTarget() const;

    bool IsOpen() const { return file_ != nullptr; }
    // Sample bytes of the current recording (or of the last one).
    std::int64_t BytesWritten() const { return bytesWritten_; }
    const std::filesystem::path& Path() const { return path_; }
    // Why the last WriteWave failed; empty after one that succeeded.
    const std::string& Error() const { return error_; }

private:
    bool Open(std::int32_t sampleRate, std::int16_t channels, std::int16_t bytesPerSample);
    // Appends count bytes and, when finish, closes the file; returns the
    // bytes written.
    std::int64_t AppendToWave(const std::uint8_t* data, std::int32_t count, bool finish);
    std::int64_t Fail(std::string why);

    std::filesystem::path path_;
    std::int64_t maxDataBytes_;
    SNDFILE* file_ = nullptr;
    std::int32_t frameBytes_ = 1;
    std::int64_t bytesWritten_ = 0;
    std::string error_;

    // The writer holding the process's one open recording.
    static std::atomic<const WavWriter*> openRecording_;
};
