#include "TChart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

#include <cmath>
#include <ostream>

namespace {

class TChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(600, 400);
        chart.SetBottomAxis(0.0, 100.0, 10.0);
        chart.SetLeftAxis(-10.0, 10.0, 2.0);
        trace = &chart.AddSeries(QStringLiteral("LineSeries5"), QPen(Qt::white, 1.0), true);
        overlay = &chart.AddSeries(QStringLiteral("LineSeries6"), QPen(Qt::blue, 1.5, Qt::DotLine), false);
        chart.show();
        QApplication::processEvents();
    }

    QList<QPointF> ModelPairs(const SeriesModel& s) const {
        QList<QPointF> points;
        for (int i = 0; i < s.PairCount(); ++i) {
            points.append(QPointF(s.XValue(i), s.YValue(i)));
        }
        return points;
    }

    // Drags with the left button from one view pixel to another.
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(chart.viewport(), to);
        QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, to);
    }

    TChart chart;
    SeriesModel* trace = nullptr;
    SeriesModel* overlay = nullptr;
};

TEST_F(TChartTest, PushShowsTheModelsPairs) {
    for (int i = 0; i < 50; ++i) {
        trace->AddXY(i, std::sin(i));
    }
    trace->DeleteFirstY();
    trace->Delete(trace->Count() - 1);
    trace->AddXY(49, 5.0);
    trace->DeleteFirstY();  // mid-roll: the last X has no Y yet
    chart.Push();
    QLineSeries* line = chart.LineSeries(0);
    EXPECT_EQ(line->count(), 49);
    EXPECT_EQ(line->points(), ModelPairs(*trace));
}

TEST_F(TChartTest, ChangesArePushedOnceByTheEventLoop) {
    QSignalSpy replaced(chart.LineSeries(0), &QXYSeries::pointsReplaced);
    for (int i = 0; i < 300; ++i) {
        trace->AddXY(i, 1.0);
    }
    trace->SetDotted(true);
    EXPECT_EQ(replaced.count(), 0);
    QApplication::processEvents();
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(chart.LineSeries(0)->count(), 300);
    // Nothing changed since: neither the event loop nor a display tick
    // redraws.
    QApplication::processEvents();
    chart.Push();
    EXPECT_EQ(replaced.count(), 1);
    trace->Clear();
    QApplication::processEvents();
    EXPECT_EQ(replaced.count(), 2);
    EXPECT_EQ(chart.LineSeries(0)->count(), 0);
}

TEST_F(TChartTest, AHiddenSeriesCatchesUpWhenShownAndKeepsItsColour) {
    QSignalSpy replaced(chart.LineSeries(1), &QXYSeries::pointsReplaced);
    overlay->AddXY(0, 3);
    overlay->AddXY(100, 3);
    chart.Push();
    EXPECT_EQ(replaced.count(), 0);
    EXPECT_FALSE(chart.LineSeries(1)->isVisible());
    overlay->SetVisible(true);
    overlay->SetDotted(false);
    chart.Push();
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_TRUE(chart.LineSeries(1)->isVisible());
    EXPECT_EQ(chart.LineSeries(1)->points(), ModelPairs(*overlay));
    EXPECT_EQ(chart.LineSeries(1)->pen().style(), Qt::SolidLine);
    EXPECT_EQ(chart.LineSeries(1)->pen().color(), QColor(Qt::blue));
}

TEST_F(TChartTest, ASeriesKeepsItsOwnPenStyleOnceFilled) {
    for (const Qt::PenStyle style : {Qt::SolidLine, Qt::DashLine, Qt::DashDotLine}) {
        SeriesModel& s = chart.AddSeries(QStringLiteral("Styled"), QPen(Qt::white, 1.5, style), true);
        s.AddXY(1.0, 1.0);
        s.AddXY(2.0, 2.0);
        chart.Push();
        EXPECT_EQ(chart.LineSeries(chart.SeriesCount() - 1)->pen().style(), style);
    }
}

TEST_F(TChartTest, ALevelLineSpansTheVisibleAxisWhateverItsPoints) {
    chart.SpanVisibleAxis(1);
    overlay->SetVisible(true);
    // Sample indexes in milliseconds on a 0..100 axis: far past its end.
    for (int i = 0; i < 3072; i += 308) {
        overlay->AddXY(i * 1000.0, -3.1f);
    }
    chart.Push();
    const QList<QPointF> across = {QPointF(0.0, -3.1f), QPointF(100.0, -3.1f)};
    EXPECT_EQ(chart.LineSeries(1)->points(), across);
    EXPECT_EQ(chart.LineSeries(1)->pen().style(), Qt::DotLine);
    // A zoom or a new time base moves the ends with the axis.
    chart.SetBottomAxis(0.0, 0.49, 0.05);
    QApplication::processEvents();
    EXPECT_EQ(chart.LineSeries(1)->points(), (QList<QPointF>{QPointF(0.0, -3.1f), QPointF(0.49, -3.1f)}));
    overlay->Clear();
    chart.Push();
    EXPECT_TRUE(chart.LineSeries(1)->points().isEmpty());
}

TEST_F(TChartTest, CursorReadoutSitsOnADarkBoxOverATrace) {
    // A white trace zigzagging densely enough to cover the plot.
    for (int i = 0; i <= 4000; ++i) {
        trace->AddXY(i * 0.025, i % 2 == 0 ? -10.0 : 10.0);
    }
    chart.Push();
    chart.ShowOverlayText(QStringLiteral("( 1.00, 2.00 )"), QPoint(200, 150), Qt::yellow, 10);
    const QImage picture = chart.grab().toImage();
    const QRect box = chart.OverlayRect();
    EXPECT_LT(qGray(picture.pixel(box.left() + 1, box.center().y())), 60) << "dark under the text";
    EXPECT_GT(qGray(picture.pixel(box.right() + 4, box.center().y())), 150) << "the trace beside it";
}

TEST_F(TChartTest, AxisLabelsNeverRunIntoEachOther) {
    // 64 S/s on "1ms": 0 to 15.6 ms on a 1 ms grid, on a narrow chart; and
    // 0.1 V per division across zero.
    chart.resize(300, 200);
    chart.SetBottomAxis(0.0, 15.625, 1.0);
    chart.SetLeftAxis(-0.5, 0.5, 0.1);
    QApplication::processEvents();
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const QStringList texts = chart.AxisLabels(orientation);
        const QList<QRectF> rects = chart.AxisLabelRects(orientation);
        ASSERT_GE(texts.size(), 3) << orientation;
        for (qsizetype i = 1; i < rects.size(); ++i) {
            EXPECT_FALSE(rects[i].intersects(rects[i - 1])) << texts[i].toStdString();
        }
        EXPECT_FALSE(texts.join(QString()).contains(QChar(0x2026)));
    }
    EXPECT_TRUE(chart.AxisLabels(Qt::Vertical).contains(QStringLiteral("0.00")));
    EXPECT_FALSE(chart.AxisLabels(Qt::Vertical).contains(QStringLiteral("-0.00")));
    // Qt's own labels only hold the room.
    EXPECT_EQ(chart.BottomAxis()->labelsColor().alpha(), 0);
    chart.resize(1200, 600);
    QApplication::processEvents();
    EXPECT_EQ(chart.AxisLabels(Qt::Horizontal).size(), 16) << "room for every line again";
}

struct AxisCase {
    double minimum, maximum, increment;
    double interval;  // the grid step shown
};

void PrintTo(const AxisCase& c, std::ostream* os) {
    *os << c.minimum << " to " << c.maximum << " by " << c.increment;
}

class TChartAxisTest : public TChartTest, public ::testing::WithParamInterface<AxisCase> {};

TEST_P(TChartAxisTest, FixesRangeAndGrid) {
    const AxisCase& c = GetParam();
    chart.SetBottomAxis(c.minimum, c.maximum, c.increment);
    chart.SetLeftAxis(c.minimum, c.maximum, c.increment);
    for (QValueAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        EXPECT_EQ(axis->min(), c.minimum);
        EXPECT_EQ(axis->max(), c.maximum);
        EXPECT_EQ(axis->tickType(), QValueAxis::TicksDynamic);
        EXPECT_EQ(axis->tickAnchor(), c.minimum);
        EXPECT_DOUBLE_EQ(axis->tickInterval(), c.interval);
    }
    // The chart still draws (an unusable increment would never finish).
    QApplication::processEvents();
    EXPECT_FALSE(chart.grab().isNull());
}

INSTANTIATE_TEST_SUITE_P(Increments, TChartAxisTest,
                         ::testing::Values(AxisCase{0.0, 127.0 / 64.0, 0.5, 0.5}, AxisCase{-10, 10, 2, 2},
                                           AxisCase{0, 50000, 5000, 5000},
                                           // Unusable increments fall back to ten divisions.
                                           AxisCase{0, 100, 0, 10}, AxisCase{0, 100, -5, 10},
                                           AxisCase{0, 100, NAN, 10}, AxisCase{0, 100, 1e-6, 10}));

// Labels of a wide scale in whole steps carry no decimals; others keep them.
TEST_F(TChartTest, WideWholeStepScalesAreLabelledWithoutDecimals) {
    chart.SetBottomAxis(0.0, 50000.0, 10000.0);
    EXPECT_EQ(chart.BottomAxis()->labelFormat(), QStringLiteral("%.0f"));
    chart.SetBottomAxis(0.0, 30.0, 10.0);
    EXPECT_EQ(chart.BottomAxis()->labelFormat(), QString());
    chart.SetLeftAxis(0.0, 1200.0, 2.5);
    EXPECT_EQ(chart.LeftAxis()->labelFormat(), QString());
}

struct Value {
    double x, y;
};

void PrintTo(const Value& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ")";
}

class TChartMappingTest : public TChartTest, public ::testing::WithParamInterface<Value> {};

// The series holds no points: the mapping works from the axes alone.
TEST_P(TChartMappingTest, PixelsMatchTheDrawnSeriesAndMapBack) {
    const Value v = GetParam();
    const QPointF drawn = chart.chart()->mapToPosition(QPointF(v.x, v.y), chart.LineSeries(0));
    const QPoint pixel = chart.mapFromScene(chart.chart()->mapToScene(drawn));
    const int x = chart.CalcXPosValue(v.x);
    const int y = chart.CalcYPosValue(v.y);
    EXPECT_NEAR(x, pixel.x(), 1);
    EXPECT_NEAR(y, pixel.y(), 1);

    double xValue = 0.0;
    double yValue = 0.0;
    chart.GetCursorValues(x, y, xValue, yValue);
    const QRectF plot = chart.chart()->plotArea();
    EXPECT_NEAR(xValue, v.x, 100.0 / plot.width());
    EXPECT_NEAR(yValue, v.y, 20.0 / plot.height());
}

INSTANTIATE_TEST_SUITE_P(Values, TChartMappingTest,
                         ::testing::Values(Value{0, -10}, Value{100, 10}, Value{12.5, 3.27}, Value{50, 0},
                                           Value{99.9, -9.9}));

TEST_F(TChartTest, MouseButtonsAreReportedInViewPixels) {
    QSignalSpy down(&chart, &TChart::MouseDown);
    QSignalSpy up(&chart, &TChart::MouseUp);
    QTest::mousePress(chart.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(120, 80));
    QTest::mouseRelease(chart.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(130, 90));
    ASSERT_EQ(down.count(), 1);
    ASSERT_EQ(up.count(), 1);
    EXPECT_EQ(down[0],
              (QList<QVariant>{QVariant::fromValue(&chart), QVariant::fromValue(Qt::RightButton),
                               QVariant::fromValue(Qt::KeyboardModifiers(Qt::ShiftModifier)), 120, 80}));
    EXPECT_EQ(up[0][3].toInt(), 130);
    EXPECT_EQ(up[0][4].toInt(), 90);
    EXPECT_FALSE(chart.Zoomed());
}

// A readout asked for beyond any edge is moved inside, whole.
TEST_F(TChartTest, OverlayTextStaysInsideTheChart) {
    const QRect view = chart.viewport()->rect();
    for (const QPoint asked : {QPoint(view.width() - 5, 100), QPoint(-20, -20), QPoint(300, view.height())}) {
        chart.ShowOverlayText(QStringLiteral("( 4.114E+04, 0.71 )"), asked, Qt::yellow, 10);
        EXPECT_TRUE(view.contains(chart.OverlayRect())) << asked.x() << "," << asked.y();
    }
    chart.ShowOverlayText(QStringLiteral("( 1.00, 2.00 )"), QPoint(200, 150), Qt::yellow, 10);
    EXPECT_EQ(chart.OverlayRect().topLeft(), QPoint(197, 147)) << "left where asked when it fits";
}

TEST_F(TChartTest, DraggingDownRightZoomsAndDraggingLeftRestores) {
    const QPoint from(chart.CalcXPosValue(20.0), chart.CalcYPosValue(6.0));
    const QPoint to(chart.CalcXPosValue(60.0), chart.CalcYPosValue(-2.0));
    // A click and an upward drag zoom nothing.
    Drag(from, from + QPoint(1, 1));
    Drag(from, QPoint(to.x(), from.y() - 20));
    EXPECT_FALSE(chart.Zoomed());
    QSignalSpy down(&chart, &TChart::MouseDown);
    Drag(from, to);
    EXPECT_EQ(down.count(), 1);  // the readout still sees the press
    EXPECT_TRUE(chart.Zoomed());
    const double pixelX = 100.0 / chart.chart()->plotArea().width();
    const double pixelY = 20.0 / chart.chart()->plotArea().height();
    EXPECT_NEAR(chart.BottomAxis()->min(), 20.0, pixelX);
    EXPECT_NEAR(chart.BottomAxis()->max(), 60.0, pixelX);
    EXPECT_NEAR(chart.LeftAxis()->min(), -2.0, pixelY);
    EXPECT_NEAR(chart.LeftAxis()->max(), 6.0, pixelY);
    EXPECT_EQ(chart.BottomAxis()->tickInterval(), 10.0);
    // The zoomed grid lines are the full view's.
    EXPECT_EQ(std::fmod(chart.LeftAxis()->tickAnchor() + 10.0, 2.0), 0.0);
    EXPECT_EQ(std::fmod(chart.BottomAxis()->tickAnchor(), 10.0), 0.0);

    Drag(to, from);
    EXPECT_FALSE(chart.Zoomed());
    EXPECT_EQ(chart.BottomAxis()->min(), 0.0);
    EXPECT_EQ(chart.BottomAxis()->max(), 100.0);
    EXPECT_EQ(chart.LeftAxis()->min(), -10.0);
    EXPECT_EQ(chart.LeftAxis()->max(), 10.0);
}

TEST_F(TChartTest, AnimatedZoomTakesSixteenSteps) {
    chart.SetZoomAnimated(true);
    QSignalSpy finished(&chart, &TChart::ZoomFinished);
    QSignalSpy steps(chart.BottomAxis(), &QValueAxis::rangeChanged);
    Drag(QPoint(chart.CalcXPosValue(20.0), chart.CalcYPosValue(6.0)),
         QPoint(chart.CalcXPosValue(60.0), chart.CalcYPosValue(-2.0)));
    EXPECT_LT(chart.BottomAxis()->min(), 19.0);  // under way
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(steps.count(), TChart::kZoomSteps);
    EXPECT_NEAR(chart.BottomAxis()->min(), 20.0, 1.0);
    EXPECT_NEAR(chart.BottomAxis()->max(), 60.0, 1.0);
}

TEST_F(TChartTest, ANewScaleEndsTheZoom) {
    Drag(QPoint(chart.CalcXPosValue(20.0), chart.CalcYPosValue(6.0)),
         QPoint(chart.CalcXPosValue(60.0), chart.CalcYPosValue(-2.0)));
    ASSERT_TRUE(chart.Zoomed());
    // The scale handlers re-apply unchanged scales: the zoom stays.
    chart.SetBottomAxis(0.0, 100.0, 10.0);
    EXPECT_TRUE(chart.Zoomed());
    chart.SetBottomAxis(0.0, 200.0, 20.0);
    EXPECT_FALSE(chart.Zoomed());
    EXPECT_EQ(chart.BottomAxis()->max(), 200.0);
    EXPECT_EQ(chart.LeftAxis()->min(), -10.0);
    EXPECT_EQ(chart.LeftAxis()->max(), 10.0);
}

}  // namespace
