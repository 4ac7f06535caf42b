#include "gui/help_wizard_window.h"

#include <QUrl>

#include "app/ui/qt_text.h"

namespace vorlix {

HelpWizardWindow::HelpWizardWindow(const std::string& programFolder, QWidget* parent)
    : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("HelpWizardWindow"));
    setWindowTitle(QStringLiteral("Vorlix HelpWizard"));
    move(200, 150);
    resize(750, 560);
    setOpenExternalLinks(true);
    setSource(QUrl::fromLocalFile(toQt(programFolder + "doc/web/wizard/index.html")));
}

}  // namespace vorlix
