#include "views/commands_pictures.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "views/drawn_icon.h"

namespace vorlix {

namespace {

// Every picture is drawn on a 24 by 24 grid.
constexpr qreal kGrid = 24;

const QColor kOutline(70, 78, 96);
const QColor kGreen(46, 160, 67);
const QColor kRed(205, 50, 45);
const QColor kBlue(45, 110, 190);
const QColor kOrange(230, 140, 30);
const QColor kPaper(252, 252, 248);

QIcon picture(const std::function<void(QPainter&)>& paint) {
    return drawnIcon(paint, kGrid);
}

// A silver disc with its hub.
void paintDisc(QPainter& painter, QPointF centre, qreal radius) {
    QConicalGradient sheen(centre, 30);
    sheen.setColorAt(0.0, QColor(225, 228, 235));
    sheen.setColorAt(0.15, QColor(185, 215, 245));
    sheen.setColorAt(0.3, QColor(242, 242, 246));
    sheen.setColorAt(0.5, QColor(200, 204, 214));
    sheen.setColorAt(0.65, QColor(245, 222, 196));
    sheen.setColorAt(0.8, QColor(236, 238, 242));
    sheen.setColorAt(1.0, QColor(225, 228, 235));
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(sheen);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(150, 155, 165), 0.8));
    painter.drawEllipse(centre, radius * 0.28, radius * 0.28);
}

void paintMainDisc(QPainter& painter) {
    paintDisc(painter, QPointF(10.5, 10.5), 9.5);
}

// A round badge in the lower right corner, where a second sign sits on a picture.
void paintBadge(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(17.5, 17.5), 5.8, 5.8);
}

void paintBadgeStroke(QPainter& painter, const QPainterPath& path) {
    painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void paintCross(QPainter& painter) {
    paintBadge(painter, kRed);
    QPainterPath cross;
    cross.moveTo(15.2, 15.2);
    cross.lineTo(19.8, 19.8);
    cross.moveTo(19.8, 15.2);
    cross.lineTo(15.2, 19.8);
    paintBadgeStroke(painter, cross);
}

void paintCheck(QPainter& painter) {
    paintBadge(painter, kGreen);
    QPainterPath check;
    check.moveTo(14.8, 17.6);
    check.lineTo(16.9, 19.8);
    check.lineTo(20.3, 15.3);
    paintBadgeStroke(painter, check);
}

// An arrow in the badge, pointing right (out of the disc) or left (back into it).
void paintArrow(QPainter& painter, const QColor& colour, bool outwards) {
    paintBadge(painter, colour);
    const qreal from = outwards ? 14.6 : 20.4;
    const qreal to = outwards ? 20.4 : 14.6;
    const qreal head = outwards ? -2.4 : 2.4;
    QPainterPath arrow;
    arrow.moveTo(from, 17.5);
    arrow.lineTo(to, 17.5);
    arrow.moveTo(to + head, 15.1);
    arrow.lineTo(to, 17.5);
    arrow.lineTo(to + head, 19.9);
    paintBadgeStroke(painter, arrow);
}

void paintClock(QPainter& painter) {
    paintBadge(painter, kOrange);
    QPainterPath hands;
    hands.moveTo(17.5, 14.4);
    hands.lineTo(17.5, 17.5);
    hands.lineTo(19.9, 18.9);
    paintBadgeStroke(painter, hands);
}

void paintMagnifier(QPainter& painter, QPointF centre, qreal radius) {
    const qreal reach = radius * 0.72;
    painter.setPen(QPen(QColor(120, 80, 40), radius * 0.55, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(reach, reach), centre + QPointF(radius * 1.9, radius * 1.9));
    painter.setPen(QPen(kOutline, radius * 0.28));
    painter.setBrush(QColor(205, 230, 250, 210));
    painter.drawEllipse(centre, radius, radius);
}

void paintMusicNote(QPainter& painter, QPointF foot, qreal height, const QColor& colour) {
    painter.setPen(QPen(colour, height * 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(foot + QPointF(height * 0.22, 0), foot + QPointF(height * 0.22, -height));
    painter.drawLine(foot + QPointF(height * 0.22, -height),
                     foot + QPointF(height * 0.55, -height * 0.75));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(foot, height * 0.27, height * 0.2);
}

// Lines of a list on a sheet of paper.
void paintSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(sheet, 1.2, 1.2);
}

void paintGear(QPainter& painter) {
    const QPointF centre(12, 12);
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int i = 0; i < 2 * kTeeth; ++i) {
        const qreal angle = i * std::numbers::pi / kTeeth;
        const qreal radius = i % 2 == 0 ? 10.5 : 8.0;
        const QPointF corner(centre.x() + radius * std::cos(angle - 0.2),
                             centre.y() + radius * std::sin(angle - 0.2));
        const QPointF next(centre.x() + radius * std::cos(angle + 0.2),
                           centre.y() + radius * std::sin(angle + 0.2));
        if (i == 0) {
            gear.moveTo(corner);
        } else {
            gear.lineTo(corner);
        }
        gear.lineTo(next);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 3.5, 3.5);
    gear.setFillRule(Qt::OddEvenFill);
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(QColor(175, 182, 195));
    painter.drawPath(gear);
}

}  // namespace

QIcon scanPicture() {
    return picture([](QPainter& painter) {
        painter.setPen(QPen(kOutline, 1.0));
        painter.setBrush(QColor(200, 205, 215));
        painter.drawRoundedRect(QRectF(1.5, 15.5, 21, 7), 1.5, 1.5);
        painter.setBrush(kGreen);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(19, 19), 1.3, 1.3);
        paintDisc(painter, QPointF(12, 9), 8);
    });
}

QIcon findGapsPicture() {
    return picture([](QPainter& painter) {
        paintSheet(painter, QRectF(2.5, 1.5, 15, 20));
        painter.setPen(QPen(kBlue, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (const qreal y : {5.5, 9.0, 16.0}) {
            painter.drawLine(QPointF(5, y), QPointF(15, y));
        }
        painter.setPen(QPen(kRed, 1.6, Qt::DotLine, Qt::RoundCap));
        painter.drawLine(QPointF(5, 12.5), QPointF(15, 12.5));
        paintMagnifier(painter, QPointF(16, 15), 4);
    });
}

QIcon deleteDiscPicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintCross(painter);
    });
}

QIcon cddbPicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintBadge(painter, kBlue);
        paintMusicNote(painter, QPointF(16.6, 20.2), 5.6, Qt::white);
    });
}

QIcon chatServerPicture() {
    return picture([](QPainter& painter) {
        const QPointF centre(12, 12);
        painter.setPen(QPen(QColor(30, 90, 150), 1.0));
        painter.setBrush(QColor(120, 180, 230));
        painter.drawEllipse(centre, 10.5, 10.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(240, 248, 255), 1.0));
        painter.drawEllipse(centre, 4.5, 10.5);
        painter.drawLine(QPointF(1.5, 12), QPointF(22.5, 12));
        painter.drawLine(QPointF(12, 1.5), QPointF(12, 22.5));
        painter.drawLine(QPointF(3.5, 6.5), QPointF(20.5, 6.5));
        painter.drawLine(QPointF(3.5, 17.5), QPointF(20.5, 17.5));
    });
}

QIcon playlistsPicture() {
    return picture([](QPainter& painter) {
        paintSheet(painter, QRectF(2.5, 1.5, 15, 20));
        painter.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
        for (const qreal y : {5.5, 9.0, 12.5}) {
            painter.drawLine(QPointF(5, y), QPointF(15, y));
        }
        paintMusicNote(painter, QPointF(16.5, 20.5), 9, kBlue);
    });
}

QIcon exportPicture() {
    return picture([](QPainter& painter) {
        paintSheet(painter, QRectF(2.5, 1.5, 14, 20));
        painter.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap));
        for (const qreal y : {5.5, 8.5, 11.5}) {
            painter.drawLine(QPointF(5, y), QPointF(13.5, y));
        }
        paintArrow(painter, kGreen, true);
    });
}

QIcon optionsPicture() {
    return picture(paintGear);
}

QIcon changeNumberPicture() {
    return picture([](QPainter& painter) {
        painter.setPen(QPen(kBlue, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 2.5), QPointF(5, 17.5));
        painter.drawLine(QPointF(13, 2.5), QPointF(11, 17.5));
        painter.drawLine(QPointF(2.5, 7), QPointF(16.5, 7));
        painter.drawLine(QPointF(1.5, 13), QPointF(15.5, 13));
        QPainterPath pencil;
        pencil.moveTo(21.5, 11.5);
        pencil.lineTo(23.0, 13.0);
        pencil.lineTo(15.0, 21.0);
        pencil.lineTo(12.5, 22.0);
        pencil.lineTo(13.5, 19.5);
        pencil.closeSubpath();
        painter.setPen(QPen(kOutline, 0.9));
        painter.setBrush(kOrange);
        painter.drawPath(pencil);
    });
}

QIcon saveNotesPicture() {
    return picture([](QPainter& painter) {
        painter.setPen(QPen(kOutline, 1.0));
        painter.setBrush(kBlue);
        painter.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
        painter.setBrush(kPaper);
        painter.drawRect(QRectF(6, 2.5, 12, 7.5));
        painter.setBrush(QColor(200, 205, 215));
        painter.drawRect(QRectF(5.5, 13.5, 13, 8));
        painter.setBrush(kOutline);
        painter.drawRect(QRectF(14, 3.8, 2.3, 4.6));
    });
}

QIcon showDiscPicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintMagnifier(painter, QPointF(16, 16), 4.2);
    });
}

QIcon searchPicture() {
    return picture([](QPainter& painter) { paintMagnifier(painter, QPointF(9.5, 9.5), 7); });
}

QIcon lendPicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintArrow(painter, kOrange, true);
    });
}

QIcon getBackPicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintArrow(painter, kGreen, false);
    });
}

QIcon availablePicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintCheck(painter);
    });
}

QIcon nonAvailablePicture() {
    return picture([](QPainter& painter) {
        paintMainDisc(painter);
        paintClock(painter);
    });
}

}  // namespace vorlix
