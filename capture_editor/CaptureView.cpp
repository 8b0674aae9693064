#include "CaptureView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "TForm4.h"

CaptureView::CaptureView(TForm4& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    const CaptureCanvas& canvas = editor_.canvas_;
    // Outside the captured picture the overlay shows over white.
    painter.drawImage(area.topLeft(), canvas.Overlay(), area);
    const QRect picture = area.intersected(canvas.Picture().rect());
    if (!picture.isEmpty()) {
        painter.drawImage(picture.topLeft(), canvas.Composed(picture));
    }
}

void CaptureView::mousePressEvent(QMouseEvent* event) {
    editor_.Image1MouseDown(event->position().toPoint());
}

void CaptureView::mouseMoveEvent(QMouseEvent* event) {
    editor_.Image1MouseMove(event->position().toPoint(), (event->buttons() & Qt::LeftButton) != 0);
}

void CaptureView::mouseReleaseEvent(QMouseEvent* event) {
    editor_.Image1MouseUp(event->position().toPoint());
}
