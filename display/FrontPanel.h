#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the front panel decides without a widget: the trigger level as typed
// (which keys reach it, when it is a number, how the arrows nudge it), the
// points of the trigger level line, and the channel selection behind the
// channel buttons. The main window reads its controls, asks here and applies
// the answer.
class FrontPanel {
public:
    // The three ways the level line is drawn; they differ in stride and X.
    enum class LevelDrawer {
        TriggerOn,       // trigger mode switched on: stride length / 10 + 1, X = i * 1000
        TriggerChannel,  // trigger channel chosen: the same stride, X as below
        LevelEdit,       // level typed or nudged: every index, X = i * 1000 below 65, else i
    };

    struct Point {
        double x;
        double y;
        bool operator==(const Point&) const = default;
    };

    // The level line: (X of i, level) for sample indexes i from 0 below
    // recordLength, at the drawer's stride. The X values reach past the
    // time axis on purpose, so the clipped line spans the whole chart.
    static std::vector<Point> LevelLine(LevelDrawer drawer, int recordLength, float level);

    // Empty, "-" or "+": a level still being typed, which the level
    // handlers pass over and trigger mode refuses.
    static bool IsIncompleteLevel(std::string_view text);
    // The level in volts, or nothing when the text is not a finite number
    // that a float holds. Surrounding blanks and a leading "+" are accepted.
    static std::optional<double> ParseLevel(std::string_view text);
    // A typed character reaches the level edit only if it is a digit, ".",
    // "-", backspace or Enter.
    static bool LevelKeyAccepted(char32_t character);
    // Fixed-point with 3 significant digits and 1 decimal ("1.2", "-0.1",
    // "12.3", "123.0"); above 3 integer digits, scientific ("1.23E+3").
    static std::string FormatLevel(double volts);
    // The level text after the arrows moved clicks steps of 0.1 V: the level
    // plus the step, each formatted as above. Nothing when text is no number.
    static std::optional<std::string> NudgeLevel(std::string_view text, int clicks);

    // The acquisition words the channel check boxes decide.
    struct Channels {
        std::uint8_t mask = 0;  // bit 0: CH0 shown, bit 1: CH1 shown
        int framesPerRead = 0;
        int framesPerRead1 = 0;
        bool operator==(const Channels&) const = default;
    };
    struct ChannelChange {
        Channels after;
        bool clearCh0 = false;  // CH0 came on: its trace and spectrum start afresh
        bool clearCh1 = false;
    };
    // New state once the boxes read ch0 and ch1; the time-base handlers of
    // the shown channels then refine the frames per read.
    static ChannelChange SelectChannels(const Channels& before, bool ch0, bool ch1);
    // 0 or 1 when exactly that channel is shown, which the trigger then
    // follows; nothing for none or both.
    static std::optional<int> SoleChannel(std::uint8_t mask);
};
