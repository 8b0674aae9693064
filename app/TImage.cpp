#include "TImage.h"

#include <QDir>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Lower-cased picture name -> resource path, read once: the picture set is
// compiled in and never changes while the program runs.
const QHash<QString, QString>& PanelPictures() {
    static const QHash<QString, QString> pictures = [] {
        QHash<QString, QString> found;
        const QDir dir(QStringLiteral(":/panel"));
        for (const QString& file :
             dir.entryList({QStringLiteral("*.png"), QStringLiteral("*.PNG")}, QDir::Files)) {
            found.insert(file.left(file.size() - 4).toLower(), dir.filePath(file));
        }
        return found;
    }();
    return pictures;
}

}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

QString TImage::FindPicture(const QString& name) {
    return PanelPictures().value(name.toLower());
}

void TImage::SetPicture(const QString& name) {
    picture_ = name;
    const QString path = FindPicture(name);
    pixmap_ = path.isEmpty() ? QPixmap() : QPixmap(path);
    update();
}

void TImage::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TImage::SetLit(bool lit) {
    lit_ = lit;
    update();
}

void TImage::SetAccent(const QColor& accent) {
    accent_ = accent;
    update();
}

void TImage::SetGlyph(const QString& glyph) {
    glyph_ = glyph;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (HasPicture()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // A disabled button fades; a pressed or hovered one darkens or
        // lightens inside the picture's own outline.
        if (!isEnabled()) {
            painter.setOpacity(0.45);
        }
        painter.drawPixmap(rect(), pixmap_);
        if (isEnabled() && (pressed_ || underMouse())) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            painter.fillRect(rect(), pressed_ ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 36));
        }
        return;
    }
    PaintFallback(painter);
}

void TImage::PaintFallback(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool enabled = isEnabled();
    QColor face = lit_ ? accent_ : QColor(0x3a, 0x42, 0x4e);
    if (!enabled) {
        face = QColor(0x9a, 0xa0, 0xa8);
    } else if (pressed_) {
        face = face.darker(125);
    } else if (underMouse()) {
        face = face.lighter(112);
    }
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, face.lighter(118));
    shade.setColorAt(1, face.darker(110));
    painter.setPen(QPen(face.darker(150), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(box, 5, 5);

    const QColor ink = lit_ || !enabled ? QColor(Qt::white) : QColor(0xc9, 0xd1, 0xdb);
    if (glyph_ == QLatin1String("rise") || glyph_ == QLatin1String("fall")) {
        // A step edge: low, up (or down), high.
        const QRectF g =
            box.adjusted(box.width() * 0.22, box.height() * 0.22, -box.width() * 0.22, -box.height() * 0.22);
        const bool rise = glyph_ == QLatin1String("rise");
        const double start = rise ? g.bottom() : g.top();
        const double end = rise ? g.top() : g.bottom();
        QPainterPath edge;
        edge.moveTo(g.left(), start);
        edge.lineTo(g.center().x(), start);
        edge.lineTo(g.center().x(), end);
        edge.lineTo(g.right(), end);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(edge);
        return;
    }
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(9, std::min(13, height() / 3)));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, caption_.isEmpty() ? picture_ : caption_);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
    event->accept();
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    update();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    event->accept();
}
