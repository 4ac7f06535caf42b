#include "gui/product_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "app/catalogue_document.h"
#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

// A disc of the given diameter centred in the square `box`: a rainbow sheen, a hub and a hole.
void paintDisc(QPainter& painter, const QRectF& box) {
    const QPointF centre = box.center();
    const qreal radius = box.width() / 2;
    QRadialGradient sheen(centre, radius);
    sheen.setColorAt(0.0, QColor(235, 240, 250));
    sheen.setColorAt(0.45, QColor(170, 200, 235));
    sheen.setColorAt(0.7, QColor(215, 190, 235));
    sheen.setColorAt(1.0, QColor(150, 170, 205));
    painter.setPen(QPen(QColor(70, 85, 120), radius / 16));
    painter.setBrush(sheen);
    painter.drawEllipse(centre, radius * 0.95, radius * 0.95);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 252));
    painter.drawEllipse(centre, radius * 0.32, radius * 0.32);
    painter.setBrush(QColor(70, 85, 120));
    painter.drawEllipse(centre, radius * 0.12, radius * 0.12);
}

}  // namespace

QIcon productIcon() {
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paintDisc(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap aboutPicture() {
    QPixmap pixmap(kAboutPictureSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient background(0, 0, 0, kAboutPictureSize.height());
    background.setColorAt(0.0, QColor(28, 44, 82));
    background.setColorAt(1.0, QColor(12, 18, 36));
    painter.fillRect(pixmap.rect(), background);

    paintDisc(painter, QRectF(24, 36, 150, 150));

    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPixelSize(46);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(196, 52, 210, 56), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vorlix"));

    QFont line = painter.font();
    line.setPixelSize(15);
    line.setBold(false);
    painter.setFont(line);
    painter.setPen(QColor(200, 214, 240));
    painter.drawText(QRect(198, 112, 210, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("CD Organizer"));
    painter.drawText(QRect(198, 136, 210, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Orvanta - QX-R3.2"));

    QFont link = line;
    link.setUnderline(true);
    painter.setFont(link);
    painter.setPen(QColor(130, 190, 255));
    QString site = toQt(kProductSite);
    site.remove(QStringLiteral("https://"));
    painter.drawText(kAboutLinkArea, Qt::AlignCenter, site);
    painter.end();
    return pixmap;
}

}  // namespace vorlix
