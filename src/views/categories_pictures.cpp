#include "views/categories_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "app/ui/qt_text.h"
#include "views/drawn_icon.h"
#include "views/logic/categories_cover_thumbnail.h"

namespace vorlix {

namespace {

// A luggage tag on a 16 by 16 grid: the label every category stands for.
void paintTag(QPainter& painter, const QColor& fill) {
    QPainterPath tag;
    tag.moveTo(1.5, 4.5);
    tag.lineTo(9.5, 4.5);
    tag.lineTo(14.5, 8.0);
    tag.lineTo(9.5, 11.5);
    tag.lineTo(1.5, 11.5);
    tag.closeSubpath();
    painter.setPen(QPen(fill.darker(170), 1.0));
    painter.setBrush(fill);
    painter.drawPath(tag);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(10.5, 8.0), 1.2, 1.2);
}

QImage scaledTo(const QImage& image, ThumbnailSize size) {
    return image.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QIcon categoryIcon() {
    return drawnIcon([](QPainter& painter) { paintTag(painter, QColor(240, 180, 60)); });
}

QIcon driveIcon() {
    return drawnIcon([](QPainter& painter) {
        painter.setPen(QPen(QColor(70, 85, 120), 1.0));
        painter.setBrush(QColor(200, 205, 215));
        painter.drawRoundedRect(QRectF(0.5, 9.5, 15, 5), 1.0, 1.0);
        QRadialGradient sheen(QPointF(8, 6), 6);
        sheen.setColorAt(0.0, QColor(235, 240, 250));
        sheen.setColorAt(0.6, QColor(170, 200, 235));
        sheen.setColorAt(1.0, QColor(215, 190, 235));
        painter.setBrush(sheen);
        painter.drawEllipse(QPointF(8, 6), 5.5, 5.5);
        painter.setBrush(QColor(70, 85, 120));
        painter.drawEllipse(QPointF(8, 6), 1.2, 1.2);
    });
}

QIcon createCategoryIcon() {
    return drawnIcon([](QPainter& painter) {
        paintTag(painter, QColor(240, 180, 60));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 150, 60));
        painter.drawEllipse(QPointF(4.5, 4.5), 4.0, 4.0);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawLine(QPointF(4.5, 2.3), QPointF(4.5, 6.7));
        painter.drawLine(QPointF(2.3, 4.5), QPointF(6.7, 4.5));
    });
}

QPixmap defaultThumbnail(const std::string& path) {
    const QImage image(toQt(path));
    return image.isNull() ? QPixmap() : QPixmap::fromImage(scaledTo(image, kThumbnailBox));
}

QPixmap coverThumbnail(const std::vector<std::uint8_t>& bytes, bool portrait) {
    const QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
    if (image.isNull()) {
        return {};
    }
    const std::optional<ThumbnailSize> size = coverThumbnailSize(image.width(), portrait);
    return QPixmap::fromImage(size ? scaledTo(image, *size) : image);
}

}  // namespace vorlix
