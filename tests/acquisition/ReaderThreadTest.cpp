#include "ReaderThread.h"

#include <gtest/gtest.h>

namespace {

TEST(ReaderThreadTest, HandsOnOnlyWholeFramesThatArrived) {
    const struct {
        int sampleRate;
        int framesPerRead;
        std::uint32_t received;
        int fresh;
    } cases[] = {
        {64, 3072, 512, 16},          {64, 1, 15, 0},  // 64 S/s: four frames, all or nothing
        {100000, 3072, 12288, 12288}, {25000, 200, 4096, 800}, {50000, 3072, 1002, 1000}, {12500, 3072, 3, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReaderThread::FreshBytes(c.sampleRate, *VendorReadForRate(c.sampleRate, c.framesPerRead),
                                           c.received),
                  c.fresh)
            << c.sampleRate << " S/s, " << c.framesPerRead << " frames, " << c.received << " bytes";
    }
}

}  // namespace
