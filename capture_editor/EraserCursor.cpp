#include "EraserCursor.h"

#include <QPainter>
#include <QPixmap>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, int>, 3> kCursors{{{"C1", 20}, {"C2", 13}, {"C3", 8}}};

}  // namespace

int EraserCursor::Diameter(const QString& name) {
    for (const auto& [cursor, diameter] : kCursors) {
        if (name == QLatin1String(cursor)) {
            return diameter;
        }
    }
    return 0;
}

QCursor EraserCursor::Make(const QString& name) {
    return Make(Diameter(name));
}

QCursor EraserCursor::Make(int d) {
    const int side = d + 4;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(QRect(2, 2, d - 1, d - 1));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(QRect(2, 2, d - 1, d - 1));
    painter.end();
    return QCursor(pixmap, side / 2, side / 2);
}
