#include "online/ui/server_flag_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace vorlix {

namespace {

constexpr qreal kWidth = 18;
constexpr qreal kHeight = 12;

void horizontalBands(QPainter& painter, std::initializer_list<QColor> colours) {
    const qreal band = kHeight / static_cast<qreal>(colours.size());
    qreal top = 0;
    for (const QColor& colour : colours) {
        painter.fillRect(QRectF(0, top, kWidth, band), colour);
        top += band;
    }
}

void verticalBands(QPainter& painter, std::initializer_list<QColor> colours) {
    const qreal band = kWidth / static_cast<qreal>(colours.size());
    qreal left = 0;
    for (const QColor& colour : colours) {
        painter.fillRect(QRectF(left, 0, band, kHeight), colour);
        left += band;
    }
}

void star(QPainter& painter, QPointF centre, qreal radius, const QColor& colour) {
    QPainterPath path;
    for (int point = 0; point < 10; ++point) {
        const qreal angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const qreal r = point % 2 == 0 ? radius : radius * 0.45;
        const QPointF at(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        point == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.closeSubpath();
    painter.fillPath(path, colour);
}

// The crosses of the union flag over the given area.
void unionCrosses(QPainter& painter, const QRectF& area) {
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    painter.fillRect(area, blue);
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(Qt::white, area.height() / 5));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topRight());
    painter.setPen(QPen(red, area.height() / 15));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topRight());
    const QPointF centre = area.center();
    painter.fillRect(
        QRectF(area.left(), centre.y() - area.height() / 6, area.width(), area.height() / 3),
        Qt::white);
    painter.fillRect(
        QRectF(centre.x() - area.height() / 6, area.top(), area.height() / 3, area.height()),
        Qt::white);
    painter.fillRect(
        QRectF(area.left(), centre.y() - area.height() / 10, area.width(), area.height() / 5), red);
    painter.fillRect(
        QRectF(centre.x() - area.height() / 10, area.top(), area.height() / 5, area.height()), red);
    painter.restore();
}

void mapleLeaf(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    QPainterPath leaf;
    const qreal s = size / 2;
    leaf.moveTo(centre.x(), centre.y() - s);
    leaf.lineTo(centre.x() + s * 0.3, centre.y() - s * 0.4);
    leaf.lineTo(centre.x() + s, centre.y() - s * 0.6);
    leaf.lineTo(centre.x() + s * 0.7, centre.y() + s * 0.1);
    leaf.lineTo(centre.x() + s * 0.9, centre.y() + s * 0.3);
    leaf.lineTo(centre.x() + s * 0.1, centre.y() + s * 0.6);
    leaf.lineTo(centre.x() + s * 0.1, centre.y() + s);
    leaf.lineTo(centre.x() - s * 0.1, centre.y() + s);
    leaf.lineTo(centre.x() - s * 0.1, centre.y() + s * 0.6);
    leaf.lineTo(centre.x() - s * 0.9, centre.y() + s * 0.3);
    leaf.lineTo(centre.x() - s * 0.7, centre.y() + s * 0.1);
    leaf.lineTo(centre.x() - s, centre.y() - s * 0.6);
    leaf.lineTo(centre.x() - s * 0.3, centre.y() - s * 0.4);
    leaf.closeSubpath();
    painter.fillPath(leaf, colour);
}

void unitedStates(QPainter& painter) {
    const qreal stripe = kHeight / 13;
    for (int i = 0; i < 13; ++i) {
        painter.fillRect(QRectF(0, i * stripe, kWidth, stripe),
                         i % 2 == 0 ? QColor(178, 34, 52) : QColor(Qt::white));
    }
    const QRectF canton(0, 0, kWidth * 0.4, stripe * 7);
    painter.fillRect(canton, QColor(60, 59, 110));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            painter.fillRect(QRectF(0.9 + column * 1.8, 0.8 + row * 2.0, 0.7, 0.7), Qt::white);
        }
    }
}

// freedb's own mark: a compact disc.
void disc(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 90, 110), 0.8));
    QRadialGradient shine(QPointF(7, 4), 8);
    shine.setColorAt(0, QColor(250, 250, 255));
    shine.setColorAt(1, QColor(170, 185, 215));
    painter.setBrush(shine);
    painter.drawEllipse(QPointF(kWidth / 2, kHeight / 2), 5.6, 5.6);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(kWidth / 2, kHeight / 2), 1.6, 1.6);
}

void drawFlag(QPainter& painter, ServerFlag flag) {
    switch (flag) {
        case ServerFlag::Austria:
            horizontalBands(painter, {QColor(200, 16, 46), Qt::white, QColor(200, 16, 46)});
            break;
        case ServerFlag::Australia:
            painter.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(1, 33, 105));
            unionCrosses(painter, QRectF(0, 0, kWidth / 2, kHeight / 2));
            star(painter, QPointF(4.5, 9), 1.8, Qt::white);
            star(painter, QPointF(13.5, 3), 1.0, Qt::white);
            star(painter, QPointF(15.5, 6), 1.0, Qt::white);
            star(painter, QPointF(13.5, 10), 1.0, Qt::white);
            break;
        case ServerFlag::Bulgaria:
            horizontalBands(painter, {Qt::white, QColor(0, 150, 110), QColor(214, 38, 18)});
            break;
        case ServerFlag::Canada:
            verticalBands(painter, {QColor(216, 6, 33), Qt::white, Qt::white, QColor(216, 6, 33)});
            mapleLeaf(painter, QPointF(kWidth / 2, kHeight / 2), 7, QColor(216, 6, 33));
            break;
        case ServerFlag::Germany:
            horizontalBands(painter, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)});
            break;
        case ServerFlag::Spain:
            horizontalBands(painter, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0),
                                      QColor(170, 21, 27)});
            break;
        case ServerFlag::Luxembourg:
            horizontalBands(painter, {QColor(237, 41, 57), Qt::white, QColor(0, 161, 222)});
            break;
        case ServerFlag::UnitedKingdom:
            unionCrosses(painter, QRectF(0, 0, kWidth, kHeight));
            break;
        case ServerFlag::UnitedStates:
            unitedStates(painter);
            break;
        case ServerFlag::Freedb:
            disc(painter);
            return;
    }
    painter.setPen(QPen(QColor(0, 0, 0, 90), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.25, 0.25, kWidth - 0.5, kHeight - 0.5));
}

QPixmap flagPixmap(ServerFlag flag, qreal scale) {
    QPixmap pixmap(QSize(static_cast<int>(kWidth * scale), static_cast<int>(kHeight * scale)));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawFlag(painter, flag);
    painter.end();
    return pixmap;
}

}  // namespace

QIcon serverFlagIcon(ServerFlag flag) {
    QIcon icon;
    icon.addPixmap(flagPixmap(flag, 1));
    icon.addPixmap(flagPixmap(flag, 2));
    return icon;
}

}  // namespace vorlix
