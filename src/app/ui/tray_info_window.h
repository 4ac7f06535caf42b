#pragma once

#include <QWidget>
#include <string>

#include "app/tray_info_command.h"

class QTextBrowser;
class QUrl;

namespace vorlix {

class SettingsStore;

// The window that tells what the tray icon offers, shown when the main window hides to the
// tray. It shows the installation's page doc/html/tray.html; the page's own command links
// change settings here instead of being followed, and any other link opens in the desktop's
// default program. Its owner creates it hidden and shows it when needed.
class TrayInfoWindow : public QWidget {
    Q_OBJECT

public:
    // programFolder is the folder of the installation's data files, with or without its final "/".
    TrayInfoWindow(SettingsStore& settings, std::string programFolder, QWidget* parent = nullptr);

private:
    void followLink(const QUrl& link);

    TrayInfoCommand m_command;
    QTextBrowser* m_browser;
};

}  // namespace vorlix
