#include "app/options/ui/options_page_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace vorlix {

namespace {

// Every picture is drawn on a 32-unit square.
constexpr double kUnits = 32.0;

QPen outline(const QColor& colour, double width = 1.2) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient topDown(const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, 2, 0, 30);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void drawGear(QPainter& painter) {
    constexpr int kTeeth = 8;
    QPainterPath gear;
    for (int i = 0; i < kTeeth * 2; ++i) {
        // Each tooth is a plateau at the outer radius between two valleys at the inner one.
        const double radius = i % 2 == 0 ? 14.0 : 10.5;
        const double from = (i - 0.5) * std::numbers::pi / kTeeth;
        const double to = (i + 0.5) * std::numbers::pi / kTeeth;
        for (const double angle : {from + 0.08, to - 0.08}) {
            const QPointF point(16 + radius * std::cos(angle), 16 + radius * std::sin(angle));
            if (gear.elementCount() == 0) {
                gear.moveTo(point);
            } else {
                gear.lineTo(point);
            }
        }
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(16, 16), 4.5, 4.5);
    gear.setFillRule(Qt::OddEvenFill);
    painter.setPen(outline(QColor(60, 72, 88)));
    painter.setBrush(topDown(QColor(176, 190, 206), QColor(96, 112, 132)));
    painter.drawPath(gear);
}

void drawWindow(QPainter& painter) {
    const QRectF frame(3, 5, 26, 22);
    painter.setPen(outline(QColor(40, 70, 120)));
    painter.setBrush(QColor(250, 251, 253));
    painter.drawRoundedRect(frame, 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(topDown(QColor(90, 150, 230), QColor(40, 96, 190)));
    QPainterPath bar;
    bar.addRoundedRect(QRectF(3.6, 5.6, 24.8, 5.4), 2, 2);
    painter.drawPath(bar);
    painter.setBrush(QColor(214, 224, 238));
    painter.drawRect(QRectF(5.5, 13, 7, 12));
    painter.setBrush(QColor(170, 186, 210));
    for (int row = 0; row < 4; ++row) {
        painter.drawRect(QRectF(14.5, 13.5 + row * 3, 12 - (row % 2) * 3, 1.6));
    }
    painter.setBrush(QColor(255, 255, 255));
    for (int dot = 0; dot < 3; ++dot) {
        painter.drawEllipse(QPointF(25.5 - dot * 3, 8.3), 1, 1);
    }
}

void drawGlobe(QPainter& painter) {
    QRadialGradient sea(QPointF(12, 11), 18);
    sea.setColorAt(0, QColor(140, 200, 255));
    sea.setColorAt(1, QColor(30, 100, 190));
    painter.setPen(outline(QColor(20, 60, 120)));
    painter.setBrush(sea);
    painter.drawEllipse(QPointF(16, 16), 13, 13);
    painter.setPen(outline(QColor(230, 242, 255, 200), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16, 16), 5.5, 13);
    painter.drawLine(QPointF(16, 3), QPointF(16, 29));
    painter.drawLine(QPointF(3, 16), QPointF(29, 16));
    painter.drawLine(QPointF(5, 10), QPointF(27, 10));
    painter.drawLine(QPointF(5, 22), QPointF(27, 22));
}

void drawPower(QPainter& painter) {
    painter.setPen(outline(QColor(24, 110, 48)));
    painter.setBrush(topDown(QColor(110, 210, 120), QColor(34, 140, 60)));
    painter.drawEllipse(QPointF(16, 16), 13, 13);
    painter.setPen(outline(Qt::white, 3.0));
    painter.setBrush(Qt::NoBrush);
    // The ring of the power sign opens at the top, where its stroke stands.
    painter.drawArc(QRectF(9, 9.5, 14, 14), 120 * 16, 300 * 16);
    painter.drawLine(QPointF(16, 7.5), QPointF(16, 15.5));
}

// An arrow turning anticlockwise, its head at the end of the turn.
void drawRestoreArrow(QPainter& painter) {
    constexpr double kStart = 220;  // degrees, anticlockwise from three o'clock
    constexpr double kSpan = 290;
    const QPointF centre(16, 16);
    constexpr double kRadius = 10;
    const QColor colour(214, 120, 24);
    painter.setPen(outline(colour, 4.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius),
                    static_cast<int>(kStart * 16), static_cast<int>(kSpan * 16));
    const double end = (kStart + kSpan) * std::numbers::pi / 180;
    const QPointF outward(std::cos(end), -std::sin(end));
    const QPointF ahead(-std::sin(end), -std::cos(end));
    const QPointF tip = centre + outward * kRadius + ahead * 7.0;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(centre + outward * (kRadius + 5.5) - ahead * 1.0);
    head.lineTo(centre + outward * (kRadius - 5.5) - ahead * 1.0);
    head.closeSubpath();
    painter.setPen(outline(colour, 1.0));
    painter.setBrush(colour);
    painter.drawPath(head);
}

void drawList(QPainter& painter) {
    painter.setPen(outline(QColor(110, 96, 60)));
    painter.setBrush(topDown(QColor(255, 252, 236), QColor(244, 234, 200)));
    painter.drawRoundedRect(QRectF(5, 2.5, 22, 27), 2, 2);
    for (int row = 0; row < 5; ++row) {
        const double y = 7.5 + row * 4.5;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(210, 90, 40));
        painter.drawEllipse(QPointF(9.5, y), 1.4, 1.4);
        painter.setBrush(QColor(90, 90, 100));
        painter.drawRect(QRectF(12.5, y - 0.8, 11 - (row % 3) * 2.5, 1.6));
    }
}

void draw(OptionsIcon icon, QPainter& painter) {
    switch (icon) {
        case OptionsIcon::General:
            drawGear(painter);
            break;
        case OptionsIcon::Interface:
            drawWindow(painter);
            break;
        case OptionsIcon::Net:
            drawGlobe(painter);
            break;
        case OptionsIcon::Startup:
            drawPower(painter);
            break;
        case OptionsIcon::Restore:
            drawRestoreArrow(painter);
            break;
        case OptionsIcon::Wordlists:
            drawList(painter);
            break;
    }
}

QPixmap drawn(OptionsIcon icon, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    draw(icon, painter);
    return pixmap;
}

}  // namespace

QIcon optionsPageIcon(OptionsIcon icon) {
    QIcon result;
    result.addPixmap(drawn(icon, 32));
    result.addPixmap(drawn(icon, 64));
    return result;
}

}  // namespace vorlix
