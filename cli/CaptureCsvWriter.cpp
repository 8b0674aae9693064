#include "CaptureCsvWriter.h"

#include "CsvNumber.h"

namespace {

constexpr std::size_t kPieceBytes = 1 << 16;

}  // namespace

CaptureCsvWriter::CaptureCsvWriter(std::ostream& out, int sampleRate, std::uint8_t channelMask)
    : out_(out), sampleRate_(sampleRate), channelMask_(channelMask) {
    pending_.reserve(kPieceBytes + 128);
}

bool CaptureCsvWriter::Begin() {
    pending_ += "time_s";
    if ((channelMask_ & 1) != 0) {
        pending_ += ",ch0_v";
    }
    if ((channelMask_ & 2) != 0) {
        pending_ += ",ch1_v";
    }
    pending_ += '\n';
    return Flush();
}

void CaptureCsvWriter::StartRow() {
    AppendCsvNumber(pending_, static_cast<double>(rows_) / sampleRate_);
}

bool CaptureCsvWriter::EndRow() {
    pending_ += '\n';
    ++rows_;
    if (pending_.size() >= kPieceBytes) {
        out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
        pending_.clear();
        return static_cast<bool>(out_);
    }
    return true;
}

bool CaptureCsvWriter::Put(const std::array<float, 2>& volts) {
    StartRow();
    for (int channel = 0; channel < 2; ++channel) {
        if ((channelMask_ & (1 << channel)) != 0) {
            pending_ += ',';
            AppendCsvNumber(pending_, volts[static_cast<std::size_t>(channel)]);
        }
    }
    return EndRow();
}

bool CaptureCsvWriter::Put(double volts) {
    StartRow();
    pending_ += ',';
    AppendCsvNumber(pending_, volts);
    return EndRow();
}

bool CaptureCsvWriter::Flush() {
    out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
    out_.flush();
    return static_cast<bool>(out_);
}
