#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

// A capture as CSV: the header "time_s,ch0_v,ch1_v" with only the chosen
// channels' columns, then one row per frame, time = index / rate. Rows are
// collected and handed to the stream in large pieces.
class CaptureCsvWriter {
public:
    // channelMask: bit 0 CH0, bit 1 CH1 (at least one).
    CaptureCsvWriter(std::ostream& out, int sampleRate, std::uint8_t channelMask);

    // Writes the header. False when the stream failed.
    bool Begin();
    // One frame's volts (the channels not chosen are ignored).
    bool Put(const std::array<float, 2>& volts);
    // Volts of one channel only, for data that has no second channel.
    bool Put(double volts);
    // Hands on what is collected and flushes the stream.
    bool Flush();

    std::uint64_t Rows() const { return rows_; }

private:
    void StartRow();
    bool EndRow();

    std::ostream& out_;
    const int sampleRate_;
    const std::uint8_t channelMask_;
    std::string pending_;
    std::uint64_t rows_ = 0;
};
