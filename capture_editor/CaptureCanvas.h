#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>

// The editor's picture layers on QImage alone: the captured picture and the
// overlay over it, in which white is transparent. Every tool paints into the
// overlay with the canvas pen; the picture is never painted.
class CaptureCanvas {
public:
    enum class RasterMode { Copy, NotXor };
    static constexpr int kOverlaySize = 3000;
    static constexpr QImage::Format kFormat = QImage::Format_RGB32;

    CaptureCanvas();

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    QImage& Overlay() { return overlay_; }
    const QImage& Overlay() const { return overlay_; }
    // White over rect: the annotations there are gone.
    void ClearOverlay(const QRect& rect);

    void SetPen(const QColor& color, int width);
    QColor PenColor() const { return penColor_; }
    int PenWidth() const { return penWidth_; }
    void SetRasterMode(RasterMode mode) { mode_ = mode; }
    RasterMode Mode() const { return mode_; }
    void MoveTo(QPoint point) { penPosition_ = point; }
    QPoint PenPosition() const { return penPosition_; }
    // A line from the pen position to point in the current mode; the pen
    // ends at point.
    void LineTo(QPoint point);

    // Sets the raster mode and draws the tool's outline between the corners
    // from and to: a line, a rectangle or the ellipse inscribed in it. Other
    // tools draw nothing.
    void DrawShape(int tool, RasterMode mode, QPoint from, QPoint to);

    // Lines of text in the pen colour, line i at topLeft + (0, int(1.5 x
    // fontSize x i)), the font size in points taken as the pitch in pixels.
    void PaintText(const QStringList& lines, QPointF topLeft, int fontSize, const QString& family);

    // The annotated capture: the picture with the overlay's non-white pixels
    // over it, at the picture's size.
    QImage Composed() const;
    // The same for one rectangle of picture coordinates (for painting).
    QImage Composed(const QRect& rect) const;

private:
    QImage picture_;
    QImage overlay_;
    QColor penColor_{255, 0, 0};
    int penWidth_ = 2;
    RasterMode mode_ = RasterMode::Copy;
    QPoint penPosition_;
};
