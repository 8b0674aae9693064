#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// sigrok session files (.sr), the files PulseView and sigrok-cli open and
// save, written and read through libsigrok: its "srzip" output module fed
// from a user device instance, and its session loader with a data feed
// callback. Only analog channels are written: float32 volts at one sample
// rate. Nothing here exposes libsigrok; the rest of the program sees plain
// C++ types only.

// The most samples of one channel a session written or read here holds:
// 2^26, 11 min 11 s at 100 kS/s. It bounds the memory a hostile session can
// make a reader take, and what the writer hands libsigrok.
inline constexpr std::uint64_t kMaxSessionSamples = std::uint64_t{1} << 26;

// Samples of one channel a writer hands libsigrok at a time. libsigrok
// 0.5's srzip module rewrites the whole archive for every packet it is
// given, so a packet costs as much as copying the session so far: large
// packets keep that bounded (at most kMaxSessionSamples / kSessionPacketSamples
// rewrites per channel) while the writer's memory stays 16 MiB a channel.
inline constexpr std::size_t kSessionPacketSamples = std::size_t{1} << 22;

// A session written while its samples arrive. The file is built under a
// temporary name beside the target and renamed over it by Finish, so the
// target never holds a half-written session; a writer destroyed before
// Finish (or one that failed) removes its temporary file and leaves the
// target as it was. Used by one thread at a time.
class SigrokSessionWriter {
public:
    // The target follows the rules of every writer here (ReplaceableTarget):
    // a regular file or nothing is replaced, a symbolic link leads to the
    // file it points to, a folder, device, FIFO or socket is refused. Null,
    // with *error saying why, when path is refused or its folder takes no
    // new file. channelNames: one analog channel each, in this order.
    // packetSamples: what libsigrok is handed of a channel at a time (only
    // its cost, measured by bench_sigrok_session, depends on it).
    static std::unique_ptr<SigrokSessionWriter> Create(const std::string& path, std::uint64_t sampleRate,
                                                       const std::vector<std::string>& channelNames,
                                                       std::string* error,
                                                       std::size_t packetSamples = kSessionPacketSamples);
    ~SigrokSessionWriter();
    SigrokSessionWriter(const SigrokSessionWriter&) = delete;
    SigrokSessionWriter& operator=(const SigrokSessionWriter&) = delete;

    // Appends volts to one channel. Channels may differ in length. False
    // (with Error()) once anything failed or a channel would pass
    // kMaxSessionSamples; nothing is written after a failure.
    bool Append(std::size_t channel, std::span<const float> volts);
    // One value per channel, in channel order.
    bool PutFrame(std::span<const float> frame);
    // Hands on the rest, ends the session and renames it over the target.
    // Every channel needs a sample (libsigrok reads no empty channel back).
    bool Finish();

    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }

private:
    struct Output;
    SigrokSessionWriter(std::string path, std::string target, std::string temporary,
                        std::unique_ptr<Output> output, std::size_t channels, std::size_t packetSamples);
    bool Send(std::size_t channel);
    bool Fail(const std::string& why);

    const std::string path_;       // as given, for messages
    const std::string target_;     // the file renamed over
    const std::string temporary_;  // where the session is built
    std::unique_ptr<Output> output_;
    const std::size_t packetSamples_;
    std::vector<std::vector<float>> pending_;
    std::vector<std::uint64_t> counts_;
    bool finished_ = false;
    std::string error_;
};

// A whole session at once (the window's Save Data As). Returns why it
// failed, empty on success.
std::string WriteSigrokSession(const std::string& path, std::uint64_t sampleRate,
                               const std::vector<std::string>& channelNames,
                               const std::vector<std::vector<float>>& channels);

// Which analog channel to read: by position among the session's analog
// channels (0 the first), or by name.
struct SigrokChannelChoice {
    std::optional<std::size_t> position;
    std::string name;  // when position is empty
};

struct SigrokChannelRead {
    bool ok = false;
    // When not ok: what is wrong, one line.
    std::string error;
    // Not ok because the session has no such channel (the file is sound).
    bool channelMissing = false;
    // The session's analog channels, in order (when it could be opened).
    std::vector<std::string> analogChannels;
    // The channel read, and its samples in volts.
    std::string channel;
    std::vector<double> samples;
    // The channel's samples in the file (samples may hold fewer, with
    // maxSamples).
    std::uint64_t channelSamples = 0;
    // Samples per second the session gives; 0 when it gives none.
    std::uint64_t sampleRate = 0;
};

// Whether the file at path is to be taken for a sigrok session: its name
// ends in ".sr" or its first bytes (start) are those of a zip archive.
bool LooksLikeSigrokSession(const std::string& path, std::span<const char> start);

// Reads one analog channel of the session at path: all of it, or its first
// maxSamples. A session that is damaged, truncated, forged or not a session,
// that holds no analog channel (a logic-only one), or from which more than
// kMaxSessionSamples of a channel would be read (a zip bomb among them) is
// refused with the reason, before libsigrok is given it where the archive
// tells. Nothing is thrown, and libsigrok prints nothing.
SigrokChannelRead ReadSigrokChannel(const std::string& path, const SigrokChannelChoice& choice,
                                    std::optional<std::uint64_t> maxSamples = std::nullopt);
