#include "views/lending_pictures.h"

#include <QPainter>
#include <QPixmap>

#include "views/disc_tree_icons.h"

namespace vorlix {

namespace {

// A red badge with a white exclamation mark in the lower right corner, where the shared
// picture has its green one.
QPixmap withOverdueBadge(QPixmap pixmap) {
    const double size = pixmap.width();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = size * 0.3;
    const QPointF centre(size - radius - 0.5, size - radius - 0.5);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(QColor(204, 36, 36));
    painter.drawEllipse(centre, radius, radius);
    const double stroke = std::max(1.5, size / 10.0);
    painter.setPen(QPen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(0, -radius * 0.55), centre + QPointF(0, radius * 0.1));
    painter.drawPoint(centre + QPointF(0, radius * 0.5));
    return pixmap;
}

}  // namespace

LendingPictures::LendingPictures(int size) {
    const DiscTreeIcons tree = makeDiscTreeIcons(size);
    m_notShared = tree.disc;
    m_shared = tree.sharedDisc;
    m_overdue = QIcon(withOverdueBadge(tree.disc.pixmap(size, size)));
}

const QIcon& LendingPictures::of(DiscPicture picture) const {
    switch (picture) {
        case DiscPicture::Shared:
            return m_shared;
        case DiscPicture::Overdue:
            return m_overdue;
        case DiscPicture::NotShared:
            break;
    }
    return m_notShared;
}

}  // namespace vorlix
