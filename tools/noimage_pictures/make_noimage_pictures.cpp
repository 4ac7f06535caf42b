// Draws the three "no cover" pictures of the installation: a disc silhouette over a soft
// background with the words "No Cover". Each picture has the proportions of the box it is
// shown in, at twice its size, so that resampling only ever shrinks it.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>

namespace {

struct Picture {
    const char* fileName;
    QSize size;
};

// The categories panel (110 by 87), the search window (100 by 87) and the disc information
// window (260 by 250).
constexpr Picture kPictures[] = {
    {"noimage.jpg", {220, 174}},
    {"noimage_search.jpg", {200, 174}},
    {"noimage_cdinfo.jpg", {520, 500}},
};

constexpr int kJpegQuality = 92;

void paintBackground(QPainter& painter, const QRectF& area) {
    QLinearGradient background(area.topLeft(), area.bottomLeft());
    background.setColorAt(0.0, QColor(246, 247, 250));
    background.setColorAt(1.0, QColor(222, 226, 234));
    painter.fillRect(area, background);
    painter.setPen(QPen(QColor(190, 196, 208), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
}

// A disc seen from above in flat greys: rim, playing surface with a faint sheen, hub and hole.
void paintDisc(QPainter& painter, const QPointF& centre, qreal radius) {
    painter.setPen(QPen(QColor(150, 158, 172), radius / 30));
    QRadialGradient surface(centre, radius);
    surface.setColorAt(0.0, QColor(236, 238, 243));
    surface.setColorAt(0.55, QColor(204, 209, 219));
    surface.setColorAt(1.0, QColor(184, 190, 203));
    painter.setBrush(surface);
    painter.drawEllipse(centre, radius, radius);

    painter.setPen(QPen(QColor(255, 255, 255, 110), radius / 12, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF sheen(centre.x() - radius * 0.72, centre.y() - radius * 0.72, radius * 1.44,
                       radius * 1.44);
    painter.drawArc(sheen, 100 * 16, 50 * 16);
    painter.drawArc(sheen, 280 * 16, 50 * 16);

    painter.setPen(QPen(QColor(150, 158, 172), radius / 40));
    painter.setBrush(QColor(246, 247, 250));
    painter.drawEllipse(centre, radius * 0.30, radius * 0.30);
    painter.setBrush(QColor(222, 226, 234));
    painter.drawEllipse(centre, radius * 0.11, radius * 0.11);
}

QImage drawPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    paintBackground(painter, area);

    const qreal textHeight = size.height() * 0.2;
    const qreal radius = std::min(size.width(), size.height()) * 0.30;
    const QPointF centre(area.center().x(),
                         (size.height() - textHeight) / 2 + size.height() * 0.03);
    paintDisc(painter, centre, radius);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(textHeight * 0.62));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(110, 118, 134));
    painter.drawText(QRectF(0, size.height() - textHeight * 1.15, size.width(), textHeight),
                     Qt::AlignCenter, QStringLiteral("No Cover"));
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_noimage_pictures <folder>\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const Picture& picture : kPictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.fileName));
        if (!drawPicture(picture.size).save(path, "JPEG", kJpegQuality)) {
            std::fprintf(stderr, "make_noimage_pictures: could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
