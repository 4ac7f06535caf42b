#include "gui/about_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/catalogue_document.h"
#include "app/document_services.h"
#include "core/user_prompt.h"
#include "gui/product_art.h"

namespace vorlix {

AboutBox::AboutBox(ShellOpener& shell, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_prompt(prompt), m_picture(aboutPicture()) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Vorlix"));
    setModal(true);
    setFixedSize(kAboutPictureSize);
    setMouseTracking(true);
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void AboutBox::mouseMoveEvent(QMouseEvent* event) {
    if (kAboutLinkArea.contains(event->position().toPoint())) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void AboutBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!kAboutLinkArea.contains(event->position().toPoint())) {
        accept();
        return;
    }
    if (!m_shell.open(std::string(kProductSite))) {
        m_prompt.message(kSiteFailedMessage, MessageIcon::Stop);
    }
}

}  // namespace vorlix
