#include "app/ui/tray_info_window.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "app/ui/qt_text.h"

namespace vorlix {

namespace {

constexpr std::string_view kTrayPage = "doc/html/tray.html";

std::string pagePath(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder.push_back('/');
    }
    return folder + std::string(kTrayPage);
}

}  // namespace

TrayInfoWindow::TrayInfoWindow(SettingsStore& settings, std::string programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_command(settings), m_browser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Vorlix Tray Info"));
    move(500, 200);
    resize(390, 310);

    m_browser->setObjectName(QStringLiteral("trayInfoPage"));
    // Links are followed here, so a command link never turns the page into a missing one.
    m_browser->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &TrayInfoWindow::followLink);

    m_browser->setSource(QUrl::fromLocalFile(toQt(pagePath(std::move(programFolder)))));
}

void TrayInfoWindow::followLink(const QUrl& link) {
    const QUrl target = m_browser->source().resolved(link);
    if (m_command.handle(fromQt(target.toString(QUrl::FullyEncoded)))) {
        return;
    }
    QDesktopServices::openUrl(target);
}

}  // namespace vorlix
