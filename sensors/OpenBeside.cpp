#include "OpenBeside.h"

#include <QScreen>
#include <QWidget>

#include "SensorPlacement.h"

namespace {

ScreenBox Box(const QRect& r) {
    return ScreenBox{r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

void OpenBeside(QWidget& window, const QWidget& main) {
    if (!window.isVisible() && main.screen() != nullptr) {
        // The frame is known only once shown; before that it is the window.
        const QRect frame = window.frameGeometry();
        const ScreenBox at = PlaceBeside(Box(main.frameGeometry()), frame.width(), frame.height(),
                                         Box(main.screen()->availableGeometry()));
        window.move(at.x, at.y);
    }
    window.show();
    window.raise();
    window.activateWindow();
}
