#pragma once

#include <QWidget>

class TForm4;

// The overlay control: shows the captured picture with the overlay over it
// and hands every mouse event to the editor, in overlay pixels.
class CaptureView : public QWidget {
    Q_OBJECT

public:
    explicit CaptureView(TForm4& editor, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TForm4& editor_;
};
