#include "app/options/ui/options_page.h"

#include <QLabel>

namespace vorlix {

QLabel* createPageTitle(const QString& text, QWidget* page) {
    auto* title = new QLabel(text, page);
    title->setObjectName(QStringLiteral("pageTitle"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    title->setFont(font);
    return title;
}

}  // namespace vorlix
