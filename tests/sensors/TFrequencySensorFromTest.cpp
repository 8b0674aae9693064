#include "TFrequencySensorFrom.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "TChart.h"

namespace {

class TFrequencySensorFromTest : public ::testing::Test {
protected:
    QWidget main;
    TFrequencySensorFrom form;

    QString Text(const char* name) {
        if (auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return edit->text();
        }
        return form.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    SeriesModel& Trace() { return form.findChild<TChart*>(QStringLiteral("Chart1"))->Series(0); }
    // A narrow peak every second.
    void Feed(int rate, std::uint8_t mask, int from, int count) {
        for (int n = from; n < from + count; ++n) {
            const int phase = n % 64;
            form.AddPulseSample(rate, mask, static_cast<float>(std::max(0, 4 - std::min(phase, 64 - phase))));
        }
    }
};

TEST_F(TFrequencySensorFromTest, EstimatesAfterFourSecondsAndScrollsWithinTheAxis) {
    Feed(64, 1, 0, 10);
    EXPECT_EQ(Trace().PairCount(), 0) << "closed: not fed";
    form.Open(main);
    Feed(64, 2, 0, 256);
    EXPECT_EQ(Text("Label2"), QStringLiteral("CH1"));
    EXPECT_TRUE(Text("Edit1").isEmpty()) << "nothing in the first four seconds";
    Feed(64, 3, 256, 100);
    EXPECT_EQ(Text("Label2"), QStringLiteral("CH1")) << "both shown: CH1's values are the ones fed";
    EXPECT_EQ(Text("Edit1"), QStringLiteral("60.00"));
    ASSERT_EQ(Trace().PairCount(), 256);
    EXPECT_DOUBLE_EQ(Trace().XValue(255), 255.0 / 64.0);
    EXPECT_EQ(Trace().YValue(255), 0.0);  // sample 355, between peaks
    Feed(64, 1, 356, 1);
    EXPECT_EQ(Text("Label2"), QStringLiteral("CH0"));
}

TEST_F(TFrequencySensorFromTest, PausesAtAnotherRateAndResumesAt64) {
    form.Open(main);
    Feed(64, 1, 0, 300);
    Feed(6250, 1, 300, 500);
    EXPECT_FALSE(Text("Label5").isEmpty());
    EXPECT_EQ(Text("Edit1"), QStringLiteral("60.00"));
    EXPECT_EQ(Trace().PairCount(), 256);
    Feed(64, 1, 300, 10);
    EXPECT_TRUE(Text("Label5").isEmpty());
    EXPECT_EQ(Text("Edit1"), QStringLiteral("60.00"));
}

TEST_F(TFrequencySensorFromTest, ClosingStopsTheFeedAndKeepsTheState) {
    form.Open(main);
    Feed(64, 1, 0, 300);
    form.close();
    EXPECT_FALSE(form.Active());
    Feed(64, 1, 300, 50);
    form.Open(main);
    EXPECT_TRUE(form.Active());
    EXPECT_EQ(Text("Edit1"), QStringLiteral("60.00"));
    EXPECT_EQ(Trace().PairCount(), 256);
}

}  // namespace
