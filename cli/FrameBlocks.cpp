#include "FrameBlocks.h"

#include "device/ReduceSlowBlock.h"

namespace {

constexpr int kSlowRate = 64;

}  // namespace

int DecodeBlockFrames(const std::uint8_t* data, int length, int sampleRate, std::vector<RawFrame>& frames) {
    frames.clear();
    if (data == nullptr || length < kFrameBytes) {
        return 0;
    }
    std::uint8_t slow[kSlowBlockBytes];
    if (sampleRate == kSlowRate) {
        data = SlowBlockFrame(data, length, slow);
    }
    const int count = length / kFrameBytes;
    frames.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* frame = data + i * kFrameBytes;
        if ((frame[0] | frame[1] | frame[2] | frame[3]) == 0) {
            break;
        }
        frames.push_back(RawFrame{FrameSample(frame, 0), FrameSample(frame, 1)});
    }
    return static_cast<int>(frames.size());
}
