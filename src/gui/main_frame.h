#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "app/pane.h"
#include "scan/ui/scan_services.h"
#include "views/commands_services.h"
#include "views/view_services.h"

class QAction;
class QMenu;
class QSplitter;
class QSystemTrayIcon;
class QTimer;

namespace vorlix {

class CQX2Doc;
class HelpWizardWindow;
class SettingsStore;
class ShellOpener;
class TrayInfoWindow;
class UserPrompt;

inline constexpr std::string_view kMainWindowTitle = "Orvanta - QX-R3.2";
inline constexpr std::string_view kTrayToolTip = "Vorlix CD Organizer";
inline constexpr int kTrayToolTipInterval = 2000;
inline constexpr int kTrayToolTipLength = 63;

// The text the tray shows for a status line: its first 63 characters.
QString trayToolTipFor(const QString& status);

// The main window: the four panes side by side, the main menu that sends its commands to the
// document, the tray icon with its menu, and the help and tray information windows. Closing or
// minimising it only hides it to the tray, unless the document's Exit closes it for good. On a
// desktop without a tray, closing it runs the document's Exit (question, then the save-changes
// prompt), minimising only minimises, and its File menu offers Exit instead of Hide to Tray.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // scan and commands: what the commands panel and the scan dialogs it opens work with.
    CMainFrame(CQX2Doc& document, const ViewServices& services, const ScanServices& scan,
               const CommandsServices& commands, bool trayAvailable, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Closes the window after the save-changes prompt; Cancel there keeps it open.
    void closeForGood();
    // Shows the window again after it was hidden to the tray or minimised.
    void restoreFromTray();

    bool trayAvailable() const { return m_trayAvailable; }
    // Null on a desktop without a tray.
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }
    QMenu* trayMenu() const { return m_trayMenu; }
    TrayInfoWindow& trayInfoWindow() const { return *m_trayInfo; }
    HelpWizardWindow& helpWizard() const { return *m_helpWizard; }

Q_SIGNALS:
    // The window has closed for good; the program ends.
    void closedForGood();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <typename Handler>
    QAction* addItem(QMenu* menu, const QString& text, Handler handler,
                     const QKeySequence& key = {});
    QAction* addPaneItem(QMenu* menu, const QString& text, PaneCommand command,
                         const QKeySequence& key = {});
    void createPanes();
    void createFileMenu();
    void createOperationsMenu();
    void createOptionsMenu();
    void createViewMenu();
    void createLendMenu();
    void createSearchMenu();
    void createHelpMenu();
    void createTray();
    QMenu* createShowHideMenu(QMenu* parent, const QString& title,
                              const std::function<void(bool)>& setShown);
    void updateRecentFiles();
    void updateViewItems();
    void hideToTray();
    void refreshTrayToolTip();
    void showKeyTable();
    void showAbout();
    void showDatabaseInfo();
    void showOptions();
    void optimizeDatabase();
    void showHelpWizard();
    void showTrayInfo();

    CQX2Doc& m_document;
    ViewServices m_services;
    bool m_panesSpread = false;
    ScanServices m_scan;
    CommandsServices m_commands;
    SettingsStore& m_settings;
    UserPrompt& m_prompt;
    ShellOpener& m_shell;
    const bool m_trayAvailable;
    QSplitter* m_splitter = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_settingsAction = nullptr;
    QAction* m_recentEnd = nullptr;
    std::vector<QAction*> m_recentActions;
    std::vector<std::pair<PaneCommand, QAction*>> m_viewActions;
    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QTimer* m_trayTimer = nullptr;
    TrayInfoWindow* m_trayInfo = nullptr;
    HelpWizardWindow* m_helpWizard = nullptr;
    bool m_closingForReal = false;
    bool m_minimised = false;
};

}  // namespace vorlix
