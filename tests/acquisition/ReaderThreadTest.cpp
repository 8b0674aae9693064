#include "ReaderThread.h"

#include <gtest/gtest.h>

namespace {

struct FreshCase {
    int sampleRate;
    int framesPerRead;
    std::uint32_t received;
    int fresh;
};

TEST(ReaderThreadTest, HandsOnOnlyWholeFramesThatArrived) {
    const FreshCase cases[] = {
        // 64 S/s: four frames, all or nothing.
        {64, 1, 512, 16},
        {64, 3072, 16, 16},
        {64, 1, 15, 0},
        {64, 1, 0, 0},
        // Above: the frames asked for, cut to what arrived, in whole frames.
        {100000, 3072, 12288, 12288},
        {6250, 1664, 6656, 6656},
        {25000, 200, 512, 512},
        {25000, 200, 4096, 800},
        {50000, 3072, 1002, 1000},
        {50000, 3072, 3, 0},
        {12500, 3072, 0, 0},
    };
    for (const FreshCase& c : cases) {
        const VendorRead read = *VendorReadForRate(c.sampleRate, c.framesPerRead);
        EXPECT_EQ(ReaderThread::FreshBytes(c.sampleRate, read, c.received), c.fresh)
            << c.sampleRate << " S/s, " << c.framesPerRead << " frames, " << c.received << " bytes";
    }
}

}  // namespace
