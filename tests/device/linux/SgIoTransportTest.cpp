#include "device/linux/SgIoTransport.h"

#include <gtest/gtest.h>

namespace {

// Only a SCSI generic device takes SG_IO; anything else is refused at open
// rather than failing every command later.
TEST(SgIoTransportTest, OpensOnlyScsiGenericNodes) {
    EXPECT_EQ(SgIoTransport::Open("/nonexistent/sg0"), nullptr);
    EXPECT_EQ(SgIoTransport::Open("/dev/null"), nullptr);
    EXPECT_EQ(SgIoTransport::Open("/proc/self/status"), nullptr);
}

}  // namespace
