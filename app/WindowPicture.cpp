#include "WindowPicture.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

QImage Rendering(QWidget& window, const QRect& source) {
    QImage picture(source.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    // The contents sit inside the frame; place them where the screen would.
    const QPoint contents = window.mapToGlobal(QPoint(0, 0)) - source.topLeft();
    painter.drawPixmap(contents, window.grab());
    return picture;
}

}  // namespace

QImage WindowPicture::Take(QWidget* window, int delayMs, int shiftX) {
    QPointer<QWidget> alive(window);
    if (delayMs > 0) {
        QEventLoop wait;
        QTimer::singleShot(delayMs, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (alive == nullptr) {
        return {};
    }
    const QRect source = alive->frameGeometry().translated(shiftX, 0);
    return Copy(*alive, source).convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<WindowPicture> WindowPicture::ForPlatform() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform == QLatin1String("windows")) {
        return std::make_unique<ScreenWindowPicture>();
    }
    return std::make_unique<RenderedWindowPicture>();
}

QImage ScreenWindowPicture::Copy(QWidget& window, const QRect& source) {
    if (QScreen* screen = window.screen()) {
        const QRect onScreen = source.translated(-screen->geometry().topLeft());
        QImage copy =
            screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
        if (!copy.isNull()) {
            // Keep the window's size in its own pixels on a scaled screen.
            return copy.size() == source.size() ? copy : copy.scaled(source.size());
        }
    }
    return Rendering(window, source);
}

QImage RenderedWindowPicture::Copy(QWidget& window, const QRect& source) {
    return Rendering(window, source);
}
