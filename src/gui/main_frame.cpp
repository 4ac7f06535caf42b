#include "gui/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "app/catalogue_document.h"
#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/ui/qt_text.h"
#include "app/ui/tray_info_window.h"
#include "core/database_info.h"
#include "gui/about_box.h"
#include "gui/database_info_dialog.h"
#include "gui/help_wizard_window.h"
#include "gui/key_table_dialog.h"
#include "gui/options_dialog_launcher.h"
#include "gui/pane_widths.h"
#include "gui/product_art.h"
#include "scan/database_optimizer.h"
#include "scan/ui/modal_extension_review.h"
#include "views/categories_view.h"
#include "views/commands_view.h"
#include "views/left_view.h"
#include "views/qx2_view.h"

namespace vorlix {

namespace {

// The position of the file list among the panes.
constexpr std::size_t kFileListPane = 2;

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

// The first local file among dropped data, or an empty text.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

}  // namespace

QString trayToolTipFor(const QString& status) {
    if (status.size() <= kTrayToolTipLength) {
        return status;
    }
    // A character outside the basic plane is never cut in half.
    const bool splitsPair = status.at(kTrayToolTipLength - 1).isHighSurrogate();
    return status.left(splitsPair ? kTrayToolTipLength - 1 : kTrayToolTipLength);
}

CMainFrame::CMainFrame(CQX2Doc& document, const ViewServices& services, const ScanServices& scan,
                       const CommandsServices& commands, bool trayAvailable, QWidget* parent)
    : QMainWindow(parent),
      m_document(document),
      m_services(services),
      m_scan(scan),
      m_commands(commands),
      m_settings(services.settings),
      m_prompt(services.prompt),
      m_shell(services.shell),
      m_trayAvailable(trayAvailable) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(toQt(kMainWindowTitle));
    setWindowIcon(productIcon());
    setAcceptDrops(true);

    m_trayInfo = new TrayInfoWindow(m_settings, m_document.programFolder(), this);
    m_trayInfo->hide();
    m_helpWizard = new HelpWizardWindow(m_document.programFolder(), this);
    m_helpWizard->hide();

    // The window opens maximised; this is the size it returns to when the user restores it.
    resize(screen()->availableGeometry().size());
    createPanes();
    createFileMenu();
    createOperationsMenu();
    createOptionsMenu();
    createViewMenu();
    createLendMenu();
    createSearchMenu();
    createHelpMenu();
    if (m_trayAvailable) {
        createTray();
    }
}

CMainFrame::~CMainFrame() = default;

template <typename Handler>
QAction* CMainFrame::addItem(QMenu* menu, const QString& text, Handler handler,
                             const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QAction* CMainFrame::addPaneItem(QMenu* menu, const QString& text, PaneCommand command,
                                 const QKeySequence& key) {
    return addItem(
        menu, text, [this, command] { m_document.onCommand(command); }, key);
}

void CMainFrame::createPanes() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("paneSplitter"));
    m_splitter->setChildrenCollapsible(false);
    auto* categories = new CCategoriesView(m_document, m_services);
    // The categories panel asks once, at its first display, when `minimized` wants the program
    // to start in the tray.
    connect(categories, &CCategoriesView::hideToTrayRequested, this, &CMainFrame::hideToTray);
    auto* commands = new CCommandsView(m_document, m_services, m_scan, m_commands);
    connect(commands, &CCommandsView::helpWizardRequested, this, &CMainFrame::showHelpWizard);
    // "QX options" does what the menu's "Vorlix Settings" does.
    connect(commands, &CCommandsView::optionsRequested, this,
            [this] { m_settingsAction->trigger(); });
    const std::array<QWidget*, 4> panes = {commands, new CLeftView(m_document, m_services),
                                           new CQX2View(m_document, m_services), categories};
    const std::array<int, 4> widths = initialPaneWidths(screen()->geometry().width());
    for (std::size_t i = 0; i < panes.size(); ++i) {
        // A pane that starts narrower than the minimum may stay that narrow.
        panes[i]->setMinimumWidth(std::min(kMinimumPaneWidth, widths[i]));
        m_splitter->addWidget(panes[i]);
        // Room beyond the initial widths goes to the file list.
        m_splitter->setStretchFactor(static_cast<int>(i), i == kFileListPane ? 1 : 0);
    }
    m_splitter->setSizes(QList<int>(widths.begin(), widths.end()));
    setCentralWidget(m_splitter);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_panesSpread) {
        return;
    }
    m_panesSpread = true;
    // As the last column of a splitter window, the categories panel starts with the room the
    // other three leave; its width in the table is only the least it gets.
    QList<int> sizes = m_splitter->sizes();
    const int fileListWidth = initialPaneWidths(screen()->geometry().width())[kFileListPane];
    if (sizes[kFileListPane] > fileListWidth) {
        sizes[kFileListPane + 1] += sizes[kFileListPane] - fileListWidth;
        sizes[kFileListPane] = fileListWidth;
        m_splitter->setSizes(sizes);
    }
}

void CMainFrame::createFileMenu() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu* menu = m_fileMenu;
    addItem(
        menu, QStringLiteral("&New"), [this] { m_document.onFileNew(); }, ctrl(Qt::Key_N));
    addItem(
        menu, QStringLiteral("&Open..."), [this] { m_document.onFileOpen(); }, ctrl(Qt::Key_O));
    addItem(menu, QStringLiteral("Open Demo Databse"), [this] { m_document.onOpenDemo(); });
    addItem(
        menu, QStringLiteral("&Save"), [this] { m_document.onFileSave(); }, ctrl(Qt::Key_S));
    addItem(menu, QStringLiteral("Save &As..."), [this] { m_document.onFileSaveAs(); });
    menu->addSeparator();
    m_recentEnd = menu->addSeparator();
    if (m_trayAvailable) {
        addItem(menu, QStringLiteral("H&ide to Tray"), [this] { close(); });
    } else {
        // With no tray to hide to, the File menu offers the tray menu's way out instead.
        addItem(menu, QStringLiteral("E&xit"), [this] { m_document.onExit(); });
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateRecentFiles);
    updateRecentFiles();
}

void CMainFrame::updateRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    const std::vector<std::string> files = m_document.recentFiles();
    if (files.empty()) {
        auto* none = new QAction(QStringLiteral("Recent File"), m_fileMenu);
        none->setEnabled(false);
        m_recentActions.push_back(none);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        QString label = toQt(files[i]);
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label), m_fileMenu);
        const std::string path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { m_document.onOpenRecent(path); });
        m_recentActions.push_back(action);
    }
    for (QAction* action : m_recentActions) {
        m_fileMenu->insertAction(m_recentEnd, action);
    }
}

void CMainFrame::createOperationsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Operations"));
    addPaneItem(menu, QStringLiteral("CD Scan"), PaneCommand::Scan, ctrl(Qt::Key_Y));
    addPaneItem(menu, QStringLiteral("Find Gaps"), PaneCommand::FindGaps, ctrl(Qt::Key_G));
    addPaneItem(menu, QStringLiteral("Delete CD\tDel"), PaneCommand::DeleteDisc);
    addPaneItem(menu, QStringLiteral("CDDB"), PaneCommand::Cddb, ctrl(Qt::Key_D));
    addPaneItem(menu, QStringLiteral("Add Blank CD"), PaneCommand::AddBlankDisc);
    addPaneItem(menu, QStringLiteral("CD Info"), PaneCommand::DiscInfo);
    menu->addSeparator();
    addItem(menu, QStringLiteral("Database Info"), &CMainFrame::showDatabaseInfo);
    menu->addSeparator();
    addItem(
        menu, QStringLiteral("QX Help Playlist"), [this] { m_document.onHelpPlaylist(); },
        ctrl(Qt::Key_P));
    addItem(
        menu, QStringLiteral("QX Chat Room"), [this] { m_document.onChatRoom(); }, ctrl(Qt::Key_I));
    menu->addSeparator();
    addItem(menu, QStringLiteral("Optimize Database"), &CMainFrame::optimizeDatabase);
    menu->addSeparator();
    addItem(
        menu, QStringLiteral("Logout"), [this] { m_document.onLogout(); },
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Backspace));
}

void CMainFrame::createOptionsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("O&ptions"));
    m_settingsAction = addItem(menu, QStringLiteral("Vorlix Settings"), &CMainFrame::showOptions);
    addItem(menu, QStringLiteral("Change Database Owner"),
            [this] { m_document.onChangeDatabaseOwner(); });
}

void CMainFrame::createViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    const auto viewItem = [this, menu](const char* text, PaneCommand command) {
        m_viewActions.emplace_back(command, addPaneItem(menu, QString::fromLatin1(text), command));
    };
    viewItem("File View Large Icons", PaneCommand::FileViewLargeIcons);
    viewItem("File View Small Icons", PaneCommand::FileViewSmallIcons);
    menu->addSeparator();
    viewItem("CD Tree Small Icons", PaneCommand::TreeSmallIcons);
    viewItem("CD Tree Large Icons", PaneCommand::TreeLargeIcons);
    menu->addSeparator();
    viewItem("View All CD on Tree", PaneCommand::ViewAllOnTree);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateViewItems);
    updateViewItems();
}

void CMainFrame::updateViewItems() {
    for (const auto& [command, action] : m_viewActions) {
        action->setEnabled(m_document.commandEnabled(command));
    }
}

void CMainFrame::createLendMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Lend"));
    // Ctrl+Enter, shown in two of these texts, is bound to nothing.
    addPaneItem(menu, QStringLiteral("CD Lend / Borrow\tCtrl+Enter"), PaneCommand::Lend);
    addPaneItem(menu, QStringLiteral("Get Back"), PaneCommand::GetBack, ctrl(Qt::Key_B));
    addPaneItem(menu, QStringLiteral("Show Available CDs"), PaneCommand::ShowAvailable,
                ctrl(Qt::Key_H));
    addPaneItem(menu, QStringLiteral("Show Non-Available CDs\tCtrl+Enter"),
                PaneCommand::ShowNonAvailable, ctrl(Qt::Key_X));
}

void CMainFrame::createSearchMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Search"));
    addPaneItem(menu, QStringLiteral("Search"), PaneCommand::Search, ctrl(Qt::Key_Q));
}

void CMainFrame::createHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    addItem(menu, QStringLiteral("Who am I"), [this] { m_document.onWhoAmI(); });
    addItem(menu, QStringLiteral("Vorlix Help"), [this] { m_document.onHelp(); });
    addItem(menu, QStringLiteral("Help Wizard"), &CMainFrame::showHelpWizard);
    addItem(menu, QStringLiteral("Tips And Tricks"), [this] { m_document.onTipsAndTricks(); });
    addItem(menu, QStringLiteral("Key Table"), &CMainFrame::showKeyTable);
    addItem(menu, QStringLiteral("Show Tray Icon Info"), &CMainFrame::showTrayInfo);
    addItem(menu, QStringLiteral("Report Bugs"), [this] { m_document.onReportBugs(); });
    menu->addSeparator();
    addItem(menu, QStringLiteral("&About Vorlix..."), &CMainFrame::showAbout);
}

QMenu* CMainFrame::createShowHideMenu(QMenu* parent, const QString& title,
                                      const std::function<void(bool)>& setShown) {
    QMenu* menu = parent->addMenu(title);
    addItem(menu, QStringLiteral("Show"), [setShown] { setShown(true); });
    addItem(menu, QStringLiteral("Hide"), [setShown] { setShown(false); });
    return menu;
}

void CMainFrame::createTray() {
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("trayMenu"));
    addItem(m_trayMenu, QStringLiteral("&Restore"), &CMainFrame::restoreFromTray);
    addItem(m_trayMenu, QStringLiteral("Hide"), &QWidget::hide);
    m_trayMenu->addSeparator();
    createShowHideMenu(m_trayMenu, QStringLiteral("Search Dialogs"),
                       [this](bool shown) { m_document.setSearchWindowsShown(shown); });
    createShowHideMenu(m_trayMenu, QStringLiteral("Copy Tasks"),
                       [this](bool shown) { m_document.setCopyTaskWindowsShown(shown); });
    QMenu* playlist =
        createShowHideMenu(m_trayMenu, QStringLiteral("Playlist"),
                           [this](bool shown) { m_document.setPlaylistWindowsShown(shown); });
    addItem(playlist, QStringLiteral("QX Help Playlist"), [this] { m_document.onHelpPlaylist(); });

    const auto chat = [this](ChatCommand show, ChatCommand hide) {
        return [this, show, hide](bool shown) { m_document.onChatServer(shown ? show : hide); };
    };
    QMenu* server = createShowHideMenu(m_trayMenu, QStringLiteral("Chat Server"),
                                       chat(ChatCommand::ShowServer, ChatCommand::HideServer));
    createShowHideMenu(server, QStringLiteral("Transfer Manager"),
                       chat(ChatCommand::ShowTransferManager, ChatCommand::HideTransferManager));
    QMenu* network = server->addMenu(QStringLiteral("Network"));
    addItem(network, QStringLiteral("Connect"),
            [this] { m_document.onChatServer(ChatCommand::Connect); });
    addItem(network, QStringLiteral("Disconnect"),
            [this] { m_document.onChatServer(ChatCommand::Disconnect); });
    createShowHideMenu(server, QStringLiteral("Chatters"),
                       chat(ChatCommand::ShowChatters, ChatCommand::HideChatters));
    m_trayMenu->addSeparator();
    addItem(m_trayMenu, QStringLiteral("&Exit"), [this] { m_document.onExit(); });

    m_trayIcon = new QSystemTrayIcon(productIcon(), this);
    m_trayIcon->setToolTip(toQt(kTrayToolTip));
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    restoreFromTray();
                }
            });
    m_trayIcon->show();

    m_trayTimer = new QTimer(this);
    m_trayTimer->setObjectName(QStringLiteral("trayToolTipTimer"));
    m_trayTimer->setInterval(kTrayToolTipInterval);
    connect(m_trayTimer, &QTimer::timeout, this, &CMainFrame::refreshTrayToolTip);
    m_trayTimer->start();
}

void CMainFrame::refreshTrayToolTip() {
    // Until there is a status line the tray keeps its name as the tooltip.
    const QString status = toQt(m_document.statusText());
    if (!status.isEmpty()) {
        m_trayIcon->setToolTip(trayToolTipFor(status));
    }
}

void CMainFrame::closeForGood() {
    m_closingForReal = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_closingForReal && !m_trayAvailable) {
        // A window hidden with no tray icon to bring it back would leave the program running
        // out of reach, so the close box exits as the tray menu's Exit does. Asked after this
        // close has ended, since Exit closes the window again.
        event->ignore();
        QTimer::singleShot(0, this, [this] { m_document.onExit(); });
        return;
    }
    if (!m_closingForReal) {
        event->ignore();
        hideToTray();
        return;
    }
    if (!m_document.saveModified()) {
        m_closingForReal = false;
        event->ignore();
        return;
    }
    event->accept();
    m_trayInfo->close();
    m_helpWizard->close();
    if (m_trayIcon != nullptr) {
        m_trayIcon->hide();
    }
    Q_EMIT closedForGood();
}

void CMainFrame::hideToTray() {
    if (!m_trayAvailable) {
        showMinimized();
        return;
    }
    if (readFlag(m_settings, setting::kShowTrayInfo)) {
        showTrayInfo();
    }
    hide();
}

void CMainFrame::restoreFromTray() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized() == m_minimised) {
        return;
    }
    m_minimised = isMinimized();
    if (m_minimised && m_trayAvailable) {
        // Hidden once the minimising is done, unless the window came back meanwhile.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) {
                hide();
            }
        });
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened after the drop has finished, so that no dialog of the opening holds up the
    // program the file came from.
    const std::string path = fromQt(file);
    QTimer::singleShot(0, this, [this, path] { m_document.onOpenFile(path); });
}

void CMainFrame::showKeyTable() {
    KeyTableDialog dialog(this);
    dialog.exec();
}

void CMainFrame::showDatabaseInfo() {
    CDialogDatabaseInfo dialog(databaseInfo(m_document.catalogue()), this);
    dialog.exec();
}

void CMainFrame::showOptions() {
    runOptionsDialog(m_document, m_settings, m_prompt, this);
}

void CMainFrame::optimizeDatabase() {
    if (!m_document.checkOwner()) {
        return;
    }
    ModalExtensionReview review(m_scan.prompt, m_scan.settings, this);
    DatabaseOptimizer optimizer(m_scan.filterLists, m_scan.settings, m_scan.prompt, review);
    if (!optimizer.confirm(m_document.catalogue())) {
        return;
    }
    m_document.removeFileEntries(
        [&](CQXCatalog& catalogue) { return optimizer.removeEntries(catalogue).removed; });
}

void CMainFrame::showAbout() {
    AboutBox box(m_shell, m_prompt, this);
    box.exec();
}

void CMainFrame::showHelpWizard() {
    m_helpWizard->show();
    m_helpWizard->raise();
    m_helpWizard->activateWindow();
}

void CMainFrame::showTrayInfo() {
    m_trayInfo->show();
    m_trayInfo->raise();
}

}  // namespace vorlix
