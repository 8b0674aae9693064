#include "CaptureCanvas.h"

#include <QFont>
#include <QPainter>

#include "TForm4State.h"

namespace {

constexpr QRgb kTransparent = 0xffffffff;

QPainter::CompositionMode Composition(CaptureCanvas::RasterMode mode) {
    return mode == CaptureCanvas::RasterMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                     : QPainter::CompositionMode_Source;
}

}  // namespace

CaptureCanvas::CaptureCanvas() : overlay_(kOverlaySize, kOverlaySize, kFormat) {
    overlay_.fill(kTransparent);
}

void CaptureCanvas::SetPicture(const QImage& picture) {
    picture_ = picture.convertToFormat(kFormat);
}

void CaptureCanvas::ClearOverlay(const QRect& rect) {
    QPainter painter(&overlay_);
    painter.fillRect(rect, QColor(kTransparent));
}

void CaptureCanvas::SetPen(const QColor& color, int width) {
    penColor_ = color;
    penWidth_ = width;
}

void CaptureCanvas::LineTo(QPoint point) {
    QPainter painter(&overlay_);
    painter.setCompositionMode(Composition(mode_));
    painter.setPen(QPen(penColor_, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(penPosition_, point);
    penPosition_ = point;
}

void CaptureCanvas::DrawShape(int tool, RasterMode mode, QPoint from, QPoint to) {
    mode_ = mode;
    // A figure of no extent is nothing; Qt would paint a dot for it, which
    // the next rubber band would invert instead of erasing.
    if ((tool != CaptureTool::kLine && tool != CaptureTool::kRectangle && tool != CaptureTool::kEllipse) ||
        from == to) {
        return;
    }
    QPainter painter(&overlay_);
    painter.setCompositionMode(Composition(mode));
    // Square caps and mitred joins: every pixel of the outline is covered
    // once, so drawing it twice in NOT-XOR gives the pixels back.
    painter.setPen(QPen(penColor_, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const QRect box = QRect(from, to).normalized();
    if (tool == CaptureTool::kLine) {
        painter.drawLine(from, to);
    } else if (tool == CaptureTool::kRectangle) {
        painter.drawRect(box);
    } else {
        painter.drawEllipse(box);
    }
    penPosition_ = to;
}

void CaptureCanvas::PaintText(const QStringList& lines, QPointF topLeft, int fontSize,
                              const QString& family) {
    QPainter painter(&overlay_);
    QFont font(family);
    font.setPointSize(fontSize);
    // Blended edge pixels would show as pale fringes over the capture.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(penColor_);
    const int ascent = painter.fontMetrics().ascent();
    for (int i = 0; i < lines.size(); ++i) {
        const int y = static_cast<int>(fontSize * 1.5 * i + topLeft.y());
        painter.drawText(QPoint(static_cast<int>(topLeft.x()), y + ascent), lines[i]);
    }
}

QImage CaptureCanvas::Composed() const {
    return Composed(picture_.rect());
}

QImage CaptureCanvas::Composed(const QRect& rect) const {
    const QRect area = rect.intersected(picture_.rect());
    QImage out = picture_.copy(area);
    const QRect over = area.intersected(overlay_.rect());
    for (int y = over.top(); y <= over.bottom(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(overlay_.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y - area.top()));
        for (int x = over.left(); x <= over.right(); ++x) {
            if (src[x] != kTransparent) {
                dst[x - area.left()] = src[x];
            }
        }
    }
    return out;
}
