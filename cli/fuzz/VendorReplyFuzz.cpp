// libFuzzer entry for the instrument's answers to the vendor read, from the
// kernel's account of the transfer to the decoded frames: any residue,
// statuses, sense data and reply bytes (short, odd, longer than asked) at any
// rate and read size give at most the frames that arrived, in whole frames,
// and finite readings, never a read outside the buffers.
//
// Input: the rate, the frames per read and the kernel's SG_IO fields, then
// the reply bytes (FuzzedDataProvider's layout).

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FrameBlocks.h"
#include "ReaderThread.h"
#include "device/RateTable.h"
#include "device/SptiCommands.h"
#include "device/linux/SgIoRequest.h"
#include "showChart.h"

namespace {

// Answers like the SG_IO backend, with the kernel's side taken from the input.
class KernelReply : public ScsiTransport {
public:
    explicit KernelReply(FuzzedDataProvider& in) : in_(in) {}

    ScsiResult Execute(const ScsiCommand& command) override {
        std::uint8_t sense[kSgSenseBufferLength] = {};
        sg_io_hdr_t header = BuildSgIoHeader(command, sense);
        const int ioctlResult = in_.ConsumeBool() ? 0 : -1;
        const int error = in_.ConsumeIntegral<int>();
        const bool nodePresent = in_.ConsumeBool();
        header.resid = in_.ConsumeIntegral<int>();
        header.status = in_.ConsumeIntegral<unsigned char>();
        header.masked_status = in_.ConsumeIntegral<unsigned char>();
        header.host_status = in_.ConsumeIntegral<unsigned short>();
        header.driver_status = in_.ConsumeIntegral<unsigned short>();
        header.sb_len_wr = in_.ConsumeIntegral<unsigned char>();
        header.info = in_.ConsumeIntegral<unsigned int>();
        const std::vector<std::uint8_t> senseBytes = in_.ConsumeBytes<std::uint8_t>(sizeof sense);
        std::copy(senseBytes.begin(), senseBytes.end(), sense);
        const std::vector<std::uint8_t> reply = in_.ConsumeRemainingBytes<std::uint8_t>();
        if (header.dxferp != nullptr && !reply.empty()) {
            std::memcpy(header.dxferp, reply.data(), std::min<std::size_t>(reply.size(), header.dxfer_len));
        }
        return EvaluateSgIo(ioctlResult, error, header, nodePresent);
    }

private:
    FuzzedDataProvider& in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int rate = in.PickValueInArray({64, 6250, 12500, 25000, 50000, 100000});
    const int framesPerRead = in.ConsumeIntegralInRange(1, ReaderThread::kBufferBytes / kFrameBytes);
    const std::optional<VendorRead> read = VendorReadForRate(rate, framesPerRead);
    if (!read || read->blockCount < 1) {
        return 0;  // the reader sends nothing then
    }

    // The reader's buffer, holding an earlier read's bytes.
    std::vector<std::uint8_t> buffer(ReaderThread::kBufferBytes, 0x5A);
    KernelReply device(in);
    std::uint32_t received = 0;
    bool gone = false;
    if (!Vendor_SPTI(device, read->rateCode, buffer.data(), read->blockCount, &received, &gone)) {
        return 0;
    }
    const int fresh = ReaderThread::FreshBytes(rate, *read, received);
    if (fresh < 0 || static_cast<std::uint32_t>(fresh) > received || fresh > read->blockCount * kBlockBytes ||
        fresh % kFrameBytes != 0) {
        std::abort();
    }

    // As daq-cli and the display decode a queued block.
    std::vector<RawFrame> frames;
    const int count = DecodeBlockFrames(buffer.data(), fresh, rate, frames);
    if (count != static_cast<int>(frames.size()) || count > std::max(fresh / kFrameBytes, 0)) {
        std::abort();
    }
    for (const RawFrame& frame : frames) {
        if (!std::isfinite(RawToVolts(frame[0])) || !std::isfinite(RawToVolts(frame[1]))) {
            std::abort();
        }
    }
    // As the sound sensor's plotting thread converts the recorder's block.
    const QByteArray block(reinterpret_cast<const char*>(buffer.data()), fresh);
    const PlotBatch batch = showChart::Convert(block, framesPerRead, 3, {}, 1);
    for (const std::vector<float>& volts : batch.volts) {
        if (volts.size() > static_cast<std::size_t>(fresh / kFrameBytes)) {
            std::abort();
        }
    }
    return 0;
}
