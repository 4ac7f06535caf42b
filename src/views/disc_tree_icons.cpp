#include "views/disc_tree_icons.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace vorlix {

namespace {

QPixmap blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap drawnDisc(int size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, size - 1.0, size - 1.0);
    const QPointF centre = outer.center();
    QConicalGradient sheen(centre, 30);
    sheen.setColorAt(0.0, QColor(225, 228, 235));
    sheen.setColorAt(0.15, QColor(190, 220, 245));
    sheen.setColorAt(0.3, QColor(240, 240, 244));
    sheen.setColorAt(0.5, QColor(205, 208, 216));
    sheen.setColorAt(0.65, QColor(245, 225, 200));
    sheen.setColorAt(0.8, QColor(236, 238, 242));
    sheen.setColorAt(1.0, QColor(225, 228, 235));
    painter.setPen(QPen(QColor(110, 116, 128), 1.0));
    painter.setBrush(sheen);
    painter.drawEllipse(outer);
    const double hub = size * 0.2;
    painter.setBrush(QColor(250, 250, 252));
    painter.setPen(QPen(QColor(150, 155, 165), 1.0));
    painter.drawEllipse(centre, hub, hub);
    painter.setBrush(Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(centre, hub * 0.45, hub * 0.45);
    return pixmap;
}

// A green badge with a white arrow pointing out of the disc, in the lower right corner.
void drawSharedBadge(QPixmap& pixmap) {
    const double size = pixmap.width();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = size * 0.26;
    const QPointF centre(size - radius - 0.5, size - radius - 0.5);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(QColor(46, 160, 67));
    painter.drawEllipse(centre, radius, radius);
    QPainterPath arrow;
    const double r = radius * 0.6;
    arrow.moveTo(centre + QPointF(-r, r * 0.55));
    arrow.lineTo(centre + QPointF(r * 0.55, -r * 0.55));
    arrow.moveTo(centre + QPointF(-r * 0.1, -r * 0.6));
    arrow.lineTo(centre + QPointF(r * 0.6, -r * 0.6));
    arrow.lineTo(centre + QPointF(r * 0.6, r * 0.1));
    painter.setPen(
        QPen(Qt::white, std::max(1.0, size / 14.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
}

QPixmap drawnFolder(int size, bool open) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QColor edge(176, 128, 28);
    painter.setPen(QPen(edge, 1.0));
    QPainterPath back;
    back.moveTo(0.5, s * 0.2);
    back.lineTo(s * 0.38, s * 0.2);
    back.lineTo(s * 0.48, s * 0.3);
    back.lineTo(s - 0.5, s * 0.3);
    back.lineTo(s - 0.5, s * 0.86);
    back.lineTo(0.5, s * 0.86);
    back.closeSubpath();
    painter.setBrush(QColor(222, 170, 60));
    painter.drawPath(back);
    QPainterPath front;
    if (open) {
        front.moveTo(s * 0.2, s * 0.45);
        front.lineTo(s - 0.5, s * 0.45);
        front.lineTo(s * 0.8, s * 0.86);
        front.lineTo(0.5, s * 0.86);
    } else {
        front.moveTo(0.5, s * 0.38);
        front.lineTo(s - 0.5, s * 0.38);
        front.lineTo(s - 0.5, s * 0.86);
        front.lineTo(0.5, s * 0.86);
    }
    front.closeSubpath();
    painter.setBrush(QColor(250, 208, 100));
    painter.drawPath(front);
    return pixmap;
}

QPixmap themed(const char* name, int size, QPixmap fallback) {
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    if (icon.isNull()) {
        return fallback;
    }
    const QPixmap pixmap = icon.pixmap(size, size);
    return pixmap.isNull()
               ? fallback
               : pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

DiscTreeIcons makeDiscTreeIcons(int size) {
    const QPixmap disc = themed("media-optical", size, drawnDisc(size));
    QPixmap shared = disc;
    drawSharedBadge(shared);

    QIcon folder(themed("folder", size, drawnFolder(size, false)));
    folder.addPixmap(themed("folder-open", size, drawnFolder(size, true)), QIcon::Selected);
    return {QIcon(disc), QIcon(shared), folder};
}

}  // namespace vorlix
