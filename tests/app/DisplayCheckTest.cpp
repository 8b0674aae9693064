#include "DisplayCheck.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct DisplayCase {
    std::map<std::string, std::string> environment;
    std::vector<const char*> arguments;
    bool display;
};

class DisplayCheckTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheckTest, SaysWhetherTheWindowCanOpen) {
    const DisplayCase& c = GetParam();
    std::vector<const char*> argv{"daq"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    const auto lookUp = [&](const char* name) -> const char* {
        const auto found = c.environment.find(name);
        return found == c.environment.end() ? nullptr : found->second.c_str();
    };
#if defined(__linux__)
    EXPECT_EQ(HasDisplay(static_cast<int>(argv.size()), argv.data(), lookUp), c.display);
#else
    EXPECT_TRUE(HasDisplay(static_cast<int>(argv.size()), argv.data(), lookUp));
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Starts, DisplayCheckTest,
    ::testing::Values(DisplayCase{{}, {}, false}, DisplayCase{{{"DISPLAY", ""}}, {"--simulate"}, false},
                      DisplayCase{{{"DISPLAY", ":0"}}, {}, true},
                      DisplayCase{{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
                      DisplayCase{{{"QT_QPA_PLATFORM", "offscreen"}}, {}, true},
                      DisplayCase{{{"QT_QPA_PLATFORM", "wayland;xcb"}}, {}, false},
                      DisplayCase{{{"QT_QPA_PLATFORM", "xcb:nomitshm"}}, {}, false},
                      DisplayCase{{{"QT_QPA_PLATFORM", "wayland;minimal"}}, {}, true},
                      DisplayCase{{}, {"-platform", "offscreen"}, true},
                      DisplayCase{{}, {"--platform", "vnc"}, true},
                      DisplayCase{{{"QT_QPA_PLATFORM", "offscreen"}}, {"-platform", "xcb"}, false},
                      DisplayCase{{}, {"--platform=offscreen"}, false}, DisplayCase{{}, {"-platform"}, false},
                      DisplayCase{{}, {"-display", ":1"}, true}, DisplayCase{{}, {"-display"}, false},
                      DisplayCase{{}, {"platform", "offscreen"}, false}));

}  // namespace
