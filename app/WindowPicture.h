#pragma once

#include <QImage>
#include <QRect>

#include <memory>

class QWidget;

// A picture of a window as it shows, for the picture saves and the capture
// editor. Waiting lets the menu that started the command close and the
// window repaint; the event loop runs meanwhile, so acquisition and drawing
// go on.
class WindowPicture {
public:
    virtual ~WindowPicture() = default;

    // The window's frame (title bar included where the platform shows one),
    // moved shiftX pixels to the right, after delayMs milliseconds. Null
    // only when the window is gone by then.
    QImage Take(QWidget* window, int delayMs, int shiftX);

    // The one to use on the running platform: the screen's pixels where the
    // platform hands them out (X11, Windows), else the window's own rendering.
    static std::unique_ptr<WindowPicture> ForPlatform();

protected:
    // The pixels of source, a rectangle in global coordinates, or a null
    // image when they cannot be had.
    virtual QImage Copy(QWidget& window, const QRect& source) = 0;
};

// The screen's pixels under the rectangle: whatever covers the window is
// captured too. Falls back to the window's rendering when the screen
// refuses, so the picture is never blank.
class ScreenWindowPicture : public WindowPicture {
protected:
    QImage Copy(QWidget& window, const QRect& source) override;
};

// The window's own rendering of its contents (Wayland and offscreen hand out
// no screen pixels). The frame the window manager draws is not part of it;
// the part of the rectangle outside the window is white.
class RenderedWindowPicture : public WindowPicture {
protected:
    QImage Copy(QWidget& window, const QRect& source) override;
};
