#pragma once

#include <QChartView>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

#include "ColumnReduction.h"
#include "PlotMapping.h"
#include "SeriesModel.h"

class AxisLabelItems;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QRubberBand;
class QValueAxis;

// A chart of the main window or a sensor window: title, bottom and left
// value axes with fixed ranges and increments, and series addressed by index
// (on the waveform charts 0 is the trace, 1 the trigger level line, 2 the
// trigger marker). Handlers change the series models; the chart shows them
// on the next Push(), which runs by itself once per event-loop pass after a
// change and can be called explicitly by the display timers. A series is
// drawn in its pen's colour; the per-point colours are kept by the model
// only (every trace point of this program is white).
//
// Zoom: dragging a rectangle right and down zooms into it, dragging to the
// left restores the fixed axes; optionally animated in 16 steps.
class TChart : public QChartView {
    Q_OBJECT
public:
    static constexpr int kZoomSteps = 16;

    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    // Appends a series drawn with pen, named after its established component
    // name; a dotted pen starts the model dotted.
    SeriesModel& AddSeries(const QString& name, const QPen& pen, bool visible);
    // index < SeriesCount(); anything else throws std::out_of_range.
    SeriesModel& Series(int index);
    // The series is a horizontal line at the Y of its last point (the
    // trigger level): whatever X values its model holds, it is pushed as the
    // two ends of the visible time axis, and again when that range changes.
    // Points far off the axis would be clipped away, or drawn solid, by the
    // painter.
    void SpanVisibleAxis(int index);
    int SeriesCount() const;
    QLineSeries* LineSeries(int index) const;

    // Fixed range with a grid line and label every increment (anchored at
    // the minimum). A new range ends a zoom.
    void SetBottomAxis(double minimum, double maximum, double increment);
    void SetLeftAxis(double minimum, double maximum, double increment);
    void SetBottomTitle(const QString& title);
    void SetLeftTitle(const QString& title);
    void SetTitle(const QString& title);
    QValueAxis* BottomAxis() const { return bottom_; }
    QValueAxis* LeftAxis() const { return left_; }
    // The labels shown along an axis and where (chart coordinates): every
    // grid line's, or every 2nd, 5th, 10th ... where they would collide.
    QStringList AxisLabels(Qt::Orientation orientation) const;
    QList<QRectF> AxisLabelRects(Qt::Orientation orientation) const;

    // Whether solid series are drawn through OpenGL on this display.
    static bool OpenGlAvailable();

    // Shows every series whose model changed since the last push: one
    // replace() of its points from a buffer kept between pushes. Nothing is
    // redrawn when nothing changed.
    void Push();

    // Axis value to pixel inside the view, and back (pixels as the mouse
    // signals report them).
    int CalcXPosValue(double x) const;
    int CalcYPosValue(double y) const;
    void GetCursorValues(int x, int y, double& xValue, double& yValue) const;

    // Text over the plot with its top-left corner at a view pixel, on a
    // dark backing box, until the chart is next redrawn: a push that
    // changes a series, a zoom step or a resize wipes it. OverlayText() is
    // what is shown now, empty when nothing is. Near the chart's edge the
    // text moves inwards so that all of it stays readable; OverlayRect() is
    // where it is drawn with its box, in view pixels.
    void ShowOverlayText(const QString& text, QPoint topLeft, const QColor& colour, int pointSize);
    QString OverlayText() const;
    QRect OverlayRect() const;

    void SetZoomEnabled(bool enabled);
    bool ZoomEnabled() const { return zoomEnabled_; }
    void SetZoomAnimated(bool animated);
    bool ZoomAnimated() const { return zoomAnimated_; }
    bool Zoomed() const { return zoomed_; }
    // Zooms into the rectangle of view pixels, or restores the fixed axes.
    void ZoomRect(const QRectF& pixels);
    void UndoZoom();

signals:
    // A mouse button went down or up over the chart; x and y are pixels of
    // the view.
    void MouseDown(TChart* sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseUp(TChart* sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // A zoom or its undo has reached its final axes.
    void ZoomFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Range {
        double minimum = 0.0;
        double maximum = 1.0;
        double increment = 0.1;
    };
    struct Entry {
        std::unique_ptr<SeriesModel> model;
        QLineSeries* series = nullptr;
        QPen pen;
        std::uint64_t pushedVersion = 0;
        std::uint64_t pushedPoints = 0;
        // The series shares the list it was last given, so pushes alternate
        // between two lists: the one filled is never shared, and neither
        // allocates once it has grown to the series' length.
        QList<QPointF> buffers[2];
        int nextBuffer = 0;
        // Pushed as column extremes, or across the visible axis: depends on
        // the axis range and the plot width, so a zoom or a resize pushes it
        // again.
        bool rangeBound = false;
        bool spansAxis = false;
    };

    void SchedulePush();
    // A change of the visible range or of the plot's width redoes the
    // column extremes of the series pushed that way.
    void RedoReducedSeries();
    void SetFixed(Range& fixed, QValueAxis* axis, double minimum, double maximum, double increment);
    static void ApplyRange(QValueAxis* axis, double minimum, double maximum, double increment);
    void AnimateTo(double xMin, double xMax, double yMin, double yMax);
    void ZoomStep();
    void StopZoom();
    void WipeOverlay();
    // Axis values to chart positions, with the axes as they stand.
    PlotMapping Mapping() const;

    QValueAxis* bottom_ = nullptr;
    QValueAxis* left_ = nullptr;
    // Deleted before the chart they draw on.
    std::unique_ptr<AxisLabelItems> bottomLabels_;
    std::unique_ptr<AxisLabelItems> leftLabels_;
    Range bottomFixed_;
    Range leftFixed_;
    std::vector<Entry> series_;
    ColumnPoints columnPoints_;  // scratch of the column reduction, kept between pushes
    bool pushPending_ = false;
    QGraphicsSimpleTextItem* overlay_ = nullptr;  // owned by the scene
    QGraphicsRectItem* overlayBox_ = nullptr;     // owned by the scene

    bool zoomEnabled_ = true;
    bool zoomAnimated_ = false;
    bool zoomed_ = false;
    bool dragging_ = false;
    QPoint dragOrigin_;
    QRubberBand* rubberBand_ = nullptr;
    QTimer zoomTimer_;
    int zoomStep_ = 0;
    double zoomFrom_[4] = {};
    double zoomTo_[4] = {};
};
