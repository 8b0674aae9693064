#include "device/HotplugEvent.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ResponseCase {
    const char* what;
    HotplugEvent event;
    DeviceChangeResponse response;
};

void PrintTo(const ResponseCase& c, std::ostream* os) {
    *os << c.what;
}

class ResponseToDeviceChangeTest : public testing::TestWithParam<ResponseCase> {};

TEST_P(ResponseToDeviceChangeTest, ActsOnlyOnTheInstrumentsInterface) {
    EXPECT_EQ(ResponseToDeviceChange(GetParam().event), GetParam().response);
}

constexpr const char* kInstrument =
    "\\\\?\\usbstor#disk&ven_krv&prod_oscilloscope&rev_1.00#osc13_20&0#{53f56307-b6bf-11d0-94f2-"
    "00a0c91efb8b}";
constexpr const char* kStick =
    "\\\\?\\usbstor#disk&ven_sandisk&prod_cruzer&rev_1.00#4c53000&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";

using enum HotplugAction;
using enum DeviceChangeResponse;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Events, ResponseToDeviceChangeTest, testing::Values(
    ResponseCase{"instrument arrives", {Arrival, 5, kInstrument}, Detect},
    ResponseCase{"instrument leaves", {RemoveComplete, 5, kInstrument}, DetectThenStop},
    ResponseCase{"another stick arrives", {Arrival, 5, kStick}, None},
    ResponseCase{"another stick leaves", {RemoveComplete, 5, kStick}, None},
    ResponseCase{"volume header", {Arrival, 2, kInstrument}, None},
    ResponseCase{"no header", {RemoveComplete, 0, ""}, None},
    ResponseCase{"other event", {Other, 5, kInstrument}, None},
    ResponseCase{"model anywhere in the name", {Arrival, 5, "usb-krv_oscilloscope_osc80-0:0"}, Detect}));
// clang-format on

TEST(AsciiCaseTest, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(LowerAscii("USB-KRV_Oscilloscope_OSC13_20-0:0"), "usb-krv_oscilloscope_osc13_20-0:0");
    EXPECT_EQ(UpperAscii("usb-krv_Oscilloscope#{53f5}"), "USB-KRV_OSCILLOSCOPE#{53F5}");
    // Bytes of other encodings pass through whatever the user's locale.
    EXPECT_EQ(LowerAscii("\xC4\xE4Z"), "\xC4\xE4z");
    EXPECT_EQ(UpperAscii("\xC4\xE4z"), "\xC4\xE4Z");
}

}  // namespace
