#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a session archive says it holds, read from its zip directory and
// its metadata before libsigrok is given it. libsigrok 0.5 trusts both: it
// allocates the metadata's stated size, makes as many channels as
// "total analog" says, stops silently at a missing chunk, drops the bytes
// of a chunk that are not a whole sample and reads a damaged chunk as if it
// ended there. The reader refuses such archives up front and later checks
// what libsigrok hands on against what is stated here.
struct SessionLayout {
    std::uint64_t logicProbes = 0;
    std::uint64_t logicBytes = 0;  // what libsigrok streams first
    // Per analog channel, in the order libsigrok streams them: the name the
    // metadata gives (empty for none) and the samples its chunks hold.
    std::vector<std::string> analogNames;
    std::vector<std::uint64_t> analogSamples;
};

// Limits no session of a real instrument comes near.
inline constexpr std::uint64_t kMaxSessionMetadataBytes = 64 * 1024;
inline constexpr std::uint64_t kMaxSessionChannels = 1024;
inline constexpr std::uint64_t kMaxSessionEntries = 1 << 16;

// Empty when the archive at path may be handed to libsigrok (and *layout
// is filled); otherwise why not, one line.
std::string CheckSessionArchive(const std::string& path, SessionLayout* layout);
