#include "TChart.h"

#include "ColumnReduction.h"

#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QLineSeries>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QRubberBand>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "AxisLabelItems.h"
#include "PlotMapping.h"

namespace {

// Beyond this many grid lines an axis would take seconds to lay out (and a
// zero increment never ends), so such an increment is widened.
constexpr double kMaxTicks = 500.0;
constexpr double kWideScale = 1000.0;  // from here whole steps are labelled without decimals

// Zoom steps follow each other at about the screen's refresh rate.
constexpr int kZoomStepMs = 15;

// Room between the cursor readout and the edge of its backing box.
constexpr int kOverlayPadding = 3;

// A drag shorter than this is a click, not a zoom rectangle.
constexpr int kMinDrag = 3;

// Qt Charts strokes every replaced line for its hit area, calling atan2
// twice per point, and glibc's atan2 entry is SSE code. On AVX-512 machines
// the process usually runs with the upper halves of the vector registers
// dirty (library code leaves them so), and SSE code then runs several times
// slower: measured, a 2 x 3072-point push drops from about 6 to 2 ms once
// the state is cleared. Our own code holds no 256-bit values, so clearing
// loses nothing.
void ClearUpperVectorState() {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) {
        asm volatile("vzeroupper");
    }
#endif
}

}  // namespace

TChart::TChart(QWidget* parent) : QChartView(parent) {
    QChart* c = chart();
    c->legend()->hide();
    c->setAnimationOptions(QChart::NoAnimation);  // the display pushes many ticks a second
    bottom_ = new QValueAxis;
    left_ = new QValueAxis;
    c->addAxis(bottom_, Qt::AlignBottom);
    c->addAxis(left_, Qt::AlignLeft);
    ApplyRange(bottom_, bottomFixed_.minimum, bottomFixed_.maximum, bottomFixed_.increment);
    ApplyRange(left_, leftFixed_.minimum, leftFixed_.maximum, leftFixed_.increment);
    setRubberBand(QChartView::NoRubberBand);  // the zoom below replaces the built-in one
    zoomTimer_.setInterval(kZoomStepMs);
    connect(&zoomTimer_, &QTimer::timeout, this, &TChart::ZoomStep);
    bottomLabels_ = std::make_unique<AxisLabelItems>(c, bottom_, Qt::Horizontal);
    leftLabels_ = std::make_unique<AxisLabelItems>(c, left_, Qt::Vertical);
    connect(bottom_, &QValueAxis::rangeChanged, this, &TChart::RedoReducedSeries);
    connect(c, &QChart::plotAreaChanged, this, &TChart::RedoReducedSeries);
}

void TChart::RedoReducedSeries() {
    bool any = false;
    for (Entry& e : series_) {
        if (e.rangeBound) {
            e.pushedVersion = 0;
            e.pushedPoints = 0;
            any = true;
        }
    }
    if (any) {
        SchedulePush();
    }
}

TChart::~TChart() {
    // The series die with the chart; the models must not call back into a
    // chart that is going away.
    for (Entry& e : series_) {
        e.model->SetChangeHandler(nullptr);
    }
    bottomLabels_.reset();
    leftLabels_.reset();
}

bool TChart::OpenGlAvailable() {
    // Decided once: a platform without windows, or one on which no OpenGL
    // context can be made current, draws every series by raster.
    static const bool available = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
            return false;
        }
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface)) {
            return false;
        }
        // A software rasterizer draws a trace many times slower than Qt's
        // own raster path (measured: 25 % of a core against 2 % at 64 S/s).
        const auto* renderer = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
        const QString name = QString::fromLatin1(renderer != nullptr ? renderer : "").toLower();
        context.doneCurrent();
        for (const char* software : {"llvmpipe", "softpipe", "software", "swiftshader"}) {
            if (name.isEmpty() || name.contains(QLatin1String(software))) {
                return false;
            }
        }
        return true;
    }();
    return available;
}

QStringList TChart::AxisLabels(Qt::Orientation orientation) const {
    return (orientation == Qt::Horizontal ? bottomLabels_ : leftLabels_)->Texts();
}

QList<QRectF> TChart::AxisLabelRects(Qt::Orientation orientation) const {
    return (orientation == Qt::Horizontal ? bottomLabels_ : leftLabels_)->Rects();
}

void TChart::SpanVisibleAxis(int index) {
    Entry& e = series_.at(static_cast<std::size_t>(index));
    e.spansAxis = true;
    e.pushedVersion = 0;
    e.pushedPoints = 0;
    SchedulePush();
}

SeriesModel& TChart::AddSeries(const QString& name, const QPen& pen, bool visible) {
    auto* line = new QLineSeries;
    line->setObjectName(name);
    line->setName(name);
    chart()->addSeries(line);
    line->attachAxis(bottom_);
    line->attachAxis(left_);
    line->setPen(pen);
    line->setVisible(visible);
    // Qt Charts' OpenGL path draws solid lines only; dotted overlays stay raster.
    line->setUseOpenGL(pen.style() == Qt::SolidLine && OpenGlAvailable());

    Entry e;
    e.model = std::make_unique<SeriesModel>();
    e.series = line;
    e.pen = pen;
    e.model->SetVisible(visible);
    e.model->SetDotted(pen.style() == Qt::DotLine);
    e.pushedVersion = e.model->Version();
    e.pushedPoints = e.model->PointsVersion();
    e.model->SetChangeHandler([this] { SchedulePush(); });
    series_.push_back(std::move(e));
    return *series_.back().model;
}

SeriesModel& TChart::Series(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= series_.size()) {
        throw std::out_of_range("chart series index out of range");
    }
    return *series_[static_cast<std::size_t>(index)].model;
}

int TChart::SeriesCount() const {
    return static_cast<int>(series_.size());
}

QLineSeries* TChart::LineSeries(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= series_.size()) {
        return nullptr;
    }
    return series_[static_cast<std::size_t>(index)].series;
}

void TChart::SetBottomAxis(double minimum, double maximum, double increment) {
    SetFixed(bottomFixed_, bottom_, minimum, maximum, increment);
}

void TChart::SetLeftAxis(double minimum, double maximum, double increment) {
    SetFixed(leftFixed_, left_, minimum, maximum, increment);
}

void TChart::SetBottomTitle(const QString& title) {
    bottom_->setTitleText(title);
}

void TChart::SetLeftTitle(const QString& title) {
    left_->setTitleText(title);
}

void TChart::SetTitle(const QString& title) {
    chart()->setTitle(title);
}

void TChart::SetFixed(Range& fixed, QValueAxis* axis, double minimum, double maximum, double increment) {
    if (fixed.minimum == minimum && fixed.maximum == maximum && fixed.increment == increment) {
        return;  // the scale handlers re-apply unchanged scales; keep a zoom
    }
    fixed = {minimum, maximum, increment};
    if (zoomed_ || zoomTimer_.isActive()) {
        // A new scale ends the zoom: both axes go back to their fixed ranges.
        StopZoom();
        ApplyRange(bottom_, bottomFixed_.minimum, bottomFixed_.maximum, bottomFixed_.increment);
        ApplyRange(left_, leftFixed_.minimum, leftFixed_.maximum, leftFixed_.increment);
        return;
    }
    ApplyRange(axis, minimum, maximum, increment);
}

void TChart::ApplyRange(QValueAxis* axis, double minimum, double maximum, double increment) {
    const double span = std::abs(maximum - minimum);
    if (!(increment > 0.0) || !std::isfinite(increment) || span / increment > kMaxTicks) {
        increment = span > 0.0 ? span / 10.0 : 1.0;
    }
    // Each setter lays the axis out at once, so the grid must never be fine
    // for the range it is set against (0 to 50000 on a grid of 2 takes
    // minutes): widen the interval first, narrow it last.
    axis->setTickInterval(std::max(axis->tickInterval(), increment));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setRange(minimum, maximum);
    axis->setTickAnchor(minimum);
    axis->setTickInterval(increment);
    // Whole steps on a wide scale (a spectrum to 50000 Hz) are labelled
    // without decimals, which would run the labels into each other.
    const bool wholeSteps =
        increment >= 1.0 && increment == std::floor(increment) && minimum == std::floor(minimum);
    const bool wide = std::max(std::abs(minimum), std::abs(maximum)) >= kWideScale;
    axis->setLabelFormat(wholeSteps && wide ? QStringLiteral("%.0f") : QString());
}

void TChart::SchedulePush() {
    if (pushPending_) {
        return;
    }
    pushPending_ = true;
    QMetaObject::invokeMethod(this, &TChart::Push, Qt::QueuedConnection);
}

void TChart::Push() {
    pushPending_ = false;
    ClearUpperVectorState();
    bool overlayMoved = false;
    for (Entry& e : series_) {
        SeriesModel& model = *e.model;
        model.Acknowledge();
        if (model.Version() == e.pushedVersion) {
            continue;
        }
        e.pushedVersion = model.Version();
        WipeOverlay();
        // Undotted, a series draws with the style it was made with; one made
        // dotted turns solid.
        const Qt::PenStyle own = e.pen.style() == Qt::DotLine ? Qt::SolidLine : e.pen.style();
        const Qt::PenStyle style = model.Dotted() ? Qt::DotLine : own;
        if (e.series->pen().style() != style) {
            QPen pen = e.pen;
            pen.setStyle(style);
            e.series->setPen(pen);
            if (style != Qt::SolidLine) {
                e.series->setUseOpenGL(false);
            }
        }
        // A hidden series keeps its old points until it is shown again.
        if (model.Visible() && model.PointsVersion() != e.pushedPoints) {
            e.pushedPoints = model.PointsVersion();
            QList<QPointF>& buffer = e.buffers[e.nextBuffer];
            e.nextBuffer ^= 1;
            const int n = model.PairCount();
            const int columns = static_cast<int>(chart()->plotArea().width());
            const bool reduced = !e.spansAxis && columns > 0 && n > 2 * columns;
            e.rangeBound = reduced || e.spansAxis;
            if (e.spansAxis) {
                buffer.clear();
                if (n > 0) {
                    const double y = model.YValue(n - 1);
                    buffer.append(QPointF(bottom_->min(), y));
                    buffer.append(QPointF(bottom_->max(), y));
                }
            } else if (reduced) {
                ReduceToColumns(model, bottom_->min(), bottom_->max(), columns, columnPoints_);
                const int m = static_cast<int>(columnPoints_.x.size());
                buffer.resize(m);
                QPointF* p = buffer.data();
                for (int i = 0; i < m; ++i) {
                    p[i] = QPointF(columnPoints_.x[static_cast<std::size_t>(i)],
                                   columnPoints_.y[static_cast<std::size_t>(i)]);
                }
            } else {
                buffer.resize(n);
                QPointF* p = buffer.data();
                for (int i = 0; i < n; ++i) {
                    p[i] = QPointF(model.XValue(i), model.YValue(i));
                }
            }
            e.series->replace(buffer);
            overlayMoved = overlayMoved || style != Qt::SolidLine;
        }
        if (e.series->isVisible() != model.Visible()) {
            e.series->setVisible(model.Visible());
            overlayMoved = overlayMoved || style != Qt::SolidLine;
        }
    }
    // A dotted overlay is a straight line: vertical (the trigger marker) or
    // horizontal (the level), so its bounding box is a line, and the
    // view's minimal update repaints no pixel of where it was. The whole
    // view is repainted instead, or the old line stays on the screen.
    if (overlayMoved) {
        viewport()->update();
    }
}

PlotMapping TChart::Mapping() const {
    const QRectF plot = chart()->plotArea();
    return PlotMapping(plot.left(), plot.top(), plot.width(), plot.height(), bottom_->min(), bottom_->max(),
                       left_->min(), left_->max());
}

int TChart::CalcXPosValue(double x) const {
    const QRectF plot = chart()->plotArea();
    const PlotMapping map = Mapping();
    const QPointF scene = chart()->mapToScene(QPointF(map.XToPosition(x), plot.top()));
    return mapFromScene(scene).x();
}

int TChart::CalcYPosValue(double y) const {
    const QRectF plot = chart()->plotArea();
    const PlotMapping map = Mapping();
    const QPointF scene = chart()->mapToScene(QPointF(plot.left(), map.YToPosition(y)));
    return mapFromScene(scene).y();
}

void TChart::GetCursorValues(int x, int y, double& xValue, double& yValue) const {
    const PlotMapping map = Mapping();
    const QPointF at = chart()->mapFromScene(mapToScene(QPoint(x, y)));
    xValue = map.PositionToX(at.x());
    yValue = map.PositionToY(at.y());
}

void TChart::ShowOverlayText(const QString& text, QPoint topLeft, const QColor& colour, int pointSize) {
    if (overlay_ == nullptr) {
        // A dark box under the text keeps it readable over a trace or the
        // grid; both sit above the plot and its series.
        overlayBox_ = new QGraphicsRectItem;
        overlayBox_->setZValue(1e6);
        overlayBox_->setBrush(QColor(0, 0, 0, 215));
        overlayBox_->setPen(QPen(QColor(255, 255, 255, 70), 1.0));
        scene()->addItem(overlayBox_);
        overlay_ = new QGraphicsSimpleTextItem;
        overlay_->setZValue(1e6 + 1);
        scene()->addItem(overlay_);
    }
    QFont font = overlay_->font();
    font.setPointSize(pointSize);
    overlay_->setFont(font);
    overlay_->setBrush(colour);
    overlay_->setText(text);
    const QRectF box = overlay_->boundingRect();
    const QRect view = viewport()->rect();
    const int width = static_cast<int>(std::ceil(box.width()));
    const int height = static_cast<int>(std::ceil(box.height()));
    const int x = std::clamp(topLeft.x(), kOverlayPadding,
                             std::max(kOverlayPadding, view.width() - width - kOverlayPadding));
    const int y = std::clamp(topLeft.y(), kOverlayPadding,
                             std::max(kOverlayPadding, view.height() - height - kOverlayPadding));
    const QPointF at = mapToScene(QPoint(x, y));
    overlay_->setPos(at);
    overlayBox_->setRect(QRectF(at, box.size())
                             .adjusted(-kOverlayPadding, -kOverlayPadding, kOverlayPadding, kOverlayPadding));
    overlay_->show();
    overlayBox_->show();
}

QRect TChart::OverlayRect() const {
    if (overlayBox_ == nullptr || !overlayBox_->isVisible()) {
        return {};
    }
    const QRectF box = overlayBox_->rect();
    return {mapFromScene(box.topLeft()),
            QSize(static_cast<int>(std::ceil(box.width())), static_cast<int>(std::ceil(box.height())))};
}

QString TChart::OverlayText() const {
    return overlay_ != nullptr && overlay_->isVisible() ? overlay_->text() : QString();
}

void TChart::WipeOverlay() {
    if (overlay_ != nullptr) {
        overlay_->hide();
        overlayBox_->hide();
    }
}

void TChart::resizeEvent(QResizeEvent* event) {
    WipeOverlay();
    QChartView::resizeEvent(event);
}

void TChart::SetZoomEnabled(bool enabled) {
    zoomEnabled_ = enabled;
    if (!enabled && dragging_) {
        dragging_ = false;
        rubberBand_->hide();
    }
}

void TChart::SetZoomAnimated(bool animated) {
    zoomAnimated_ = animated;
}

void TChart::ZoomRect(const QRectF& pixels) {
    const QRectF plot = chart()->plotArea();
    const PlotMapping map = Mapping();
    const QRectF inChart = chart()
                               ->mapFromScene(viewportTransform().inverted().mapRect(pixels))
                               .boundingRect()
                               .intersected(plot);
    if (inChart.width() <= 0.0 || inChart.height() <= 0.0) {
        return;
    }
    zoomed_ = true;
    AnimateTo(map.PositionToX(inChart.left()), map.PositionToX(inChart.right()),
              map.PositionToY(inChart.bottom()), map.PositionToY(inChart.top()));
}

void TChart::UndoZoom() {
    if (!zoomed_) {
        return;
    }
    zoomed_ = false;
    AnimateTo(bottomFixed_.minimum, bottomFixed_.maximum, leftFixed_.minimum, leftFixed_.maximum);
}

void TChart::AnimateTo(double xMin, double xMax, double yMin, double yMax) {
    zoomFrom_[0] = bottom_->min();
    zoomFrom_[1] = bottom_->max();
    zoomFrom_[2] = left_->min();
    zoomFrom_[3] = left_->max();
    zoomTo_[0] = xMin;
    zoomTo_[1] = xMax;
    zoomTo_[2] = yMin;
    zoomTo_[3] = yMax;
    zoomStep_ = zoomAnimated_ ? 0 : kZoomSteps - 1;
    ZoomStep();
    if (zoomStep_ < kZoomSteps) {
        zoomTimer_.start();
    }
}

void TChart::ZoomStep() {
    WipeOverlay();
    ++zoomStep_;
    const double t = static_cast<double>(zoomStep_) / kZoomSteps;
    double r[4];
    for (int i = 0; i < 4; ++i) {
        r[i] = zoomStep_ >= kZoomSteps ? zoomTo_[i] : zoomFrom_[i] + (zoomTo_[i] - zoomFrom_[i]) * t;
    }
    // The grid keeps the fixed increment and the full view's lines, so the
    // zoomed view reads on the same scale (2, 4, 6 V rather than 2.8, 4.8).
    ApplyRange(bottom_, r[0], r[1], bottomFixed_.increment);
    ApplyRange(left_, r[2], r[3], leftFixed_.increment);
    bottom_->setTickAnchor(bottomFixed_.minimum);
    left_->setTickAnchor(leftFixed_.minimum);
    if (zoomStep_ >= kZoomSteps) {
        zoomTimer_.stop();
        emit ZoomFinished();
    }
}

void TChart::StopZoom() {
    zoomTimer_.stop();
    zoomed_ = false;
}

void TChart::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
    if (zoomEnabled_ && event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOrigin_ = at;
        if (rubberBand_ == nullptr) {
            rubberBand_ = new QRubberBand(QRubberBand::Rectangle, viewport());
        }
        rubberBand_->setGeometry(QRect(at, QSize()));
        rubberBand_->show();
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        rubberBand_->setGeometry(QRect(dragOrigin_, event->position().toPoint()).normalized());
        event->accept();
        return;
    }
    QChartView::mouseMoveEvent(event);
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        rubberBand_->hide();
        const QPoint drag = at - dragOrigin_;
        if (drag.x() <= -kMinDrag) {
            UndoZoom();
        } else if (drag.x() >= kMinDrag && drag.y() >= kMinDrag) {
            ZoomRect(QRectF(QPointF(dragOrigin_), QPointF(at)));
        }
        event->accept();
    } else {
        QChartView::mouseReleaseEvent(event);
    }
    emit MouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
}
