#include "views/drawn_icon.h"

#include <QPainter>
#include <QPixmap>

namespace vorlix {

namespace {

constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64};

}  // namespace

QIcon drawnIcon(const std::function<void(QPainter&)>& paint, qreal grid) {
    QIcon icon;
    for (const int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / grid, size / grid);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vorlix
