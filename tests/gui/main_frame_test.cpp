#include "gui/main_frame.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "app/catalogue_document.h"
#include "app/document_services.h"
#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "app/ui/tray_info_window.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/database_info.h"
#include "core/md5.h"
#include "core/text_case.h"
#include "gui/application_shell.h"
#include "gui/database_info_dialog.h"
#include "gui/desktop_shell_opener.h"
#include "gui/dialog_server_chat.h"
#include "gui/help_wizard_window.h"
#include "gui/product_art.h"
#include "gui/stand_in_document_windows.h"
#include "net/ui/dialog_server.h"
#include "online/media_tag_source.h"
#include "scan/database_optimizer.h"
#include "scan/filter_lists.h"
#include "scan/ui/scan_dialog.h"
#include "support/commands_fakes.h"
#include "support/document_fakes.h"
#include "support/fake_disc_volume.h"
#include "support/fixed_clock.h"
#include "support/gate.h"
#include "support/memory_settings.h"
#include "support/sample_catalogue.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"
#include "views/disc_tasks.h"

namespace vorlix {

namespace {

using test::Log;

const Windows1252 kCodePage;
const Identity kAnna{"anna", md5Hex("secret")};

struct FakeWindows final : DocumentWindows {
    explicit FakeWindows(Log& log) : log(log) {}
    Log& log;
    bool scanning = false;
    bool searching = false;
    bool scanInProgress() const override { return scanning; }
    bool searchWindowsOpen() const override { return searching; }
    void closeSearchWindows() override { log.push_back("search windows closed"); }
    void setSearchWindowsShown(bool shown) override {
        log.push_back(shown ? "search windows shown" : "search windows hidden");
    }
    void setCopyTaskWindowsShown(bool shown) override {
        log.push_back(shown ? "copy tasks shown" : "copy tasks hidden");
    }
    void clearCatalogueViews() override {}
};

struct FakeLogin final : LoginService {
    std::optional<Identity> login(const std::string&) override { return kAnna; }
};

struct FakeChangeOwner final : ChangeOwnerService {
    bool changeOwner(CQXCatalog&, const std::string&) override { return false; }
};

struct FakePublisher final : SharedCataloguePublisher {
    void publish(const CQXCatalog&) override {}
    SharedFileForm prepare(const CQXCatalog&) const override { return {}; }
    void publishPrepared(SharedFileForm) override {}
    void publishTreeCatalogue(const CQXCatalog&) override {}
};

using test::FakeChat;
using test::FakeChatAccount;
using test::FakeShell;
struct FakePlaylists final : PlaylistWindowFactory {
    std::unique_ptr<PlaylistWindow> create(const std::vector<CQXFileData*>&) override {
        return nullptr;
    }
};

struct FakeMediaTags final : MediaTagSource {
    std::string mediaTag(const std::string&) override { return {}; }
};

constexpr std::string_view kWizardPage = "<html><body><p>Welcome to the wizard</p></body></html>";

// The program folder's help pages and empty scan filter lists, written before the window that
// uses them is made.
bool writeProgramFiles(const test::TempDir& folder) {
    QDir(toQt(folder.path())).mkpath(QStringLiteral("doc/web/wizard"));
    test::writeFile(folder.file("doc/web/wizard/index.html"), kWizardPage);
    test::writeFile(folder.file("ext.txt"), "");
    test::writeFile(folder.file("noscan.txt"), "");
    return true;
}

// A main window over a document whose every service is a fake, logged in as anna.
struct Setup {
    explicit Setup(bool tray)
        : document({prompt, settings, kCodePage, windows, login, changeOwner, publisher,
                    application, chat, chatAccount, shell, playlists, longWork, clock},
                   folder.path() + "/"),
          window(document, ViewServices{prompt, settings, shell, drives},
                 ScanServices{drives, filterLists, mediaTags, settings, prompt},
                 CommandsServices{searchWindows, cddb, discTasks, discTasks, chat}, tray) {
        application.setMainWindow(&window);
        document.reset();
    }

    Log log;
    test::TempDir folder;
    bool filesWritten = writeProgramFiles(folder);
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
    FakeWindows windows{log};
    FakeLogin login;
    FakeChangeOwner changeOwner;
    FakePublisher publisher;
    ApplicationShell application;
    FakeChat chat{log};
    FakeChatAccount chatAccount{log};
    FakeShell shell;
    test::FakeDiscDrives drives;
    FilterLists filterLists{folder.path() + "/", kCodePage};
    FakeMediaTags mediaTags;
    FakePlaylists playlists;
    test::InPlaceLongWork longWork;
    test::FakeSearchWindows searchWindows;
    test::FakeCddbLookup cddb{log};
    test::FixedClock clock;
    CQX2Doc document;
    DiscTasks discTasks{document, prompt, settings};
    CMainFrame window;
};

QMenu* subMenu(const QList<QAction*>& actions, const QString& title) {
    for (QAction* action : actions) {
        if (action->menu() != nullptr && action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

// The item at the end of a path of menu titles, starting at the menu bar or at `menu`.
QAction* findItem(const QList<QAction*>& top, const QStringList& path) {
    QList<QAction*> actions = top;
    for (qsizetype i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : actions) {
            if (!action->isSeparator() && action->text() == path[i]) {
                found = action;
            }
        }
        if (found == nullptr) {
            qFatal("no menu item %s", qPrintable(path.join(QStringLiteral(" > "))));
        }
        if (i + 1 == path.size()) {
            return found;
        }
        actions = found->menu()->actions();
    }
    return nullptr;
}

// Every item below the actions as "Title > Item|Shortcut", separators left out.
QStringList flatten(const QList<QAction*>& actions, const QString& prefix = {}) {
    QStringList items;
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        const QString name = prefix + action->text();
        if (action->menu() != nullptr) {
            items += flatten(action->menu()->actions(), name + QStringLiteral(" > "));
        } else {
            items +=
                name + QLatin1Char('|') + action->shortcut().toString(QKeySequence::PortableText);
        }
    }
    return items;
}

// Shows a menu as the user opens it, so that it brings its items up to date, and closes it.
void openAndClose(QMenu* menu) {
    menu->popup(QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

void moveMouse(QWidget& widget, const QPoint& position) {
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// Runs `inspect` on the modal dialog that `open` brings up, once it is showing.
void withModal(const std::function<void()>& open, const std::function<void(QDialog&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            qFatal("no modal dialog");
        }
        seen = true;
        inspect(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    open();
    QVERIFY(seen);
}

QStringList expectedMenus(bool tray) {
    QStringList items = {
        QStringLiteral("&File > &New|Ctrl+N"),        QStringLiteral("&File > &Open...|Ctrl+O"),
        QStringLiteral("&File > Open Demo Databse|"), QStringLiteral("&File > &Save|Ctrl+S"),
        QStringLiteral("&File > Save &As...|"),       QStringLiteral("&File > Recent File|"),
    };
    items += tray ? QStringLiteral("&File > H&ide to Tray|") : QStringLiteral("&File > E&xit|");
    items += {
        QStringLiteral("&Operations > CD Scan|Ctrl+Y"),
        QStringLiteral("&Operations > Find Gaps|Ctrl+G"),
        QStringLiteral("&Operations > Delete CD\tDel|"),
        QStringLiteral("&Operations > CDDB|Ctrl+D"),
        QStringLiteral("&Operations > Add Blank CD|"),
        QStringLiteral("&Operations > CD Info|"),
        QStringLiteral("&Operations > Database Info|"),
        QStringLiteral("&Operations > QX Help Playlist|Ctrl+P"),
        QStringLiteral("&Operations > QX Chat Room|Ctrl+I"),
        QStringLiteral("&Operations > Optimize Database|"),
        QStringLiteral("&Operations > Logout|Ctrl+Alt+Backspace"),
        QStringLiteral("O&ptions > Vorlix Settings|"),
        QStringLiteral("O&ptions > Change Database Owner|"),
        QStringLiteral("&View > File View Large Icons|"),
        QStringLiteral("&View > File View Small Icons|"),
        QStringLiteral("&View > CD Tree Small Icons|"),
        QStringLiteral("&View > CD Tree Large Icons|"),
        QStringLiteral("&View > View All CD on Tree|"),
        QStringLiteral("&Lend > CD Lend / Borrow\tCtrl+Enter|"),
        QStringLiteral("&Lend > Get Back|Ctrl+B"),
        QStringLiteral("&Lend > Show Available CDs|Ctrl+H"),
        QStringLiteral("&Lend > Show Non-Available CDs\tCtrl+Enter|Ctrl+X"),
        QStringLiteral("&Search > Search|Ctrl+Q"),
        QStringLiteral("&Help > Who am I|"),
        QStringLiteral("&Help > Vorlix Help|"),
        QStringLiteral("&Help > Help Wizard|"),
        QStringLiteral("&Help > Tips And Tricks|"),
        QStringLiteral("&Help > Key Table|"),
        QStringLiteral("&Help > Show Tray Icon Info|"),
        QStringLiteral("&Help > Report Bugs|"),
        QStringLiteral("&Help > &About Vorlix...|"),
    };
    return items;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Setup> m_setup;

    Setup& start(bool tray = true) {
        m_setup = std::make_unique<Setup>(tray);
        m_setup->window.show();
        if (!QTest::qWaitForWindowExposed(&m_setup->window)) {
            qFatal("the main window was not shown");
        }
        return *m_setup;
    }

    QAction* item(const QStringList& path) {
        return findItem(m_setup->window.menuBar()->actions(), path);
    }
    // The text of the disc tree's selected item, which is the last one.
    static QString selectedDiscItem(Setup& s) {
        auto* tree = test::child<QTreeView>(s.window, "discTree");
        const QModelIndex last = tree->model()->index(tree->model()->rowCount() - 1, 0);
        return tree->currentIndex() == last ? last.data().toString() : QString();
    }
    static QList<CDialogScan*> scanDialogs(Setup& s) {
        return s.window.findChildren<CDialogScan*>();
    }
    QAction* trayItem(const QStringList& path) {
        return findItem(m_setup->window.trayMenu()->actions(), path);
    }

    // A copy of the sample catalogue owned by anna, saved under name in the test folder.
    std::string saveSample(const std::string& name) {
        CQXCatalog catalogue = test::sampleCatalogue();
        for (auto& disc : catalogue.discs) {
            disc->setOwnerName(kAnna.logName);
            disc->setOwnerDigest(kAnna.passwordDigest);
        }
        const std::string path = m_setup->folder.file(name);
        test::writeFile(path, writeCatalogue(catalogue, kCodePage));
        return path;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { m_setup.reset(); }

    void comesUpWithTitleAndFourPanesInOrder() {
        Setup& s = start();
        QCOMPARE(s.window.windowTitle(), QStringLiteral("Orvanta - QX-R3.2"));
        auto* splitter = test::child<QSplitter>(s.window, "paneSplitter");
        QCOMPARE(splitter->count(), 4);
        const char* names[] = {"CCommandsView", "CLeftView", "CQX2View", "CCategoriesView"};
        for (int i = 0; i < 4; ++i) {
            QWidget* pane = splitter->widget(i);
            QCOMPARE(pane->objectName(), QString::fromLatin1(names[i]));
            QCOMPARE(QString::fromLatin1(pane->metaObject()->className()),
                     QStringLiteral("vorlix::") + QString::fromLatin1(names[i]));
            QCOMPARE(dynamic_cast<QWidget*>(s.document.pane(names[i])), pane);
            QVERIFY(pane->isVisible());
        }
    }

    // Run once for each screen width of the table, on offscreen screens of those widths.
    void panesStartWithTheWidthsOfTheScreen() {
        struct Row {
            int screen;
            QList<int> widths;
        };
        const QList<Row> table = {{800, {245, 160, 170, 165}},
                                  {1024, {260, 190, 330, 170}},
                                  {1152, {255, 250, 410, 165}},
                                  {1280, {255, 250, 530, 65}}};
        const int screen = QGuiApplication::primaryScreen()->geometry().width();
        QList<int> expected = {255, 200, 320, 165};
        for (const Row& row : table) {
            if (row.screen == screen) {
                expected = row.widths;
            }
        }
        Setup& s = start();
        s.window.showMaximized();
        QTRY_VERIFY(s.window.isMaximized());
        QTRY_VERIFY(s.window.frameGeometry().width() == screen);
        auto* splitter = test::child<QSplitter>(s.window, "paneSplitter");
        const QList<int> sizes = splitter->sizes();
        qInfo() << "screen" << screen << "panes" << sizes;
        QCOMPARE(sizes[0], expected[0]);
        QCOMPARE(sizes[1], expected[1]);
        QVERIFY2(sizes[2] <= expected[2], "room beyond the table goes to the categories panel");
        QVERIFY2(sizes[3] >= expected[3], "the categories panel takes the room that is left");
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(splitter->widget(i)->minimumWidth(), std::min(100, int(expected[i])));
        }
    }

    void everyMenuItemHasItsTextAndShortcut_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("with a tray") << true;
        QTest::newRow("without a tray") << false;
    }

    void everyMenuItemHasItsTextAndShortcut() {
        QFETCH(bool, tray);
        Setup& s = start(tray);
        QCOMPARE(flatten(s.window.menuBar()->actions()), expectedMenus(tray));
    }

    void everyShortcutRunsItsItemAndCtrlEnterNothing() {
        Setup& s = start();
        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QList<QAction*> items;
        for (QAction* menu : s.window.menuBar()->actions()) {
            for (QAction* action : menu->menu()->actions()) {
                if (!action->shortcut().isEmpty()) {
                    items.push_back(action);
                }
            }
        }
        QCOMPARE(items.size(), 13);
        for (QAction* action : items) {
            QSignalSpy triggered(action, &QAction::triggered);
            const QKeyCombination key = action->shortcut()[0];
            QTest::keyClick(&s.window, key.key(), key.keyboardModifiers());
            QVERIFY2(triggered.count() == 1, qPrintable(action->text()));
        }
        QVERIFY2(std::ranges::find(s.log, "chat shown") != s.log.end(), "Ctrl+I shows the chat");

        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAction* action : s.window.findChildren<QAction*>()) {
            spies.push_back(std::make_unique<QSignalSpy>(action, &QAction::triggered));
        }
        QTest::keyClick(&s.window, Qt::Key_Return, Qt::ControlModifier);
        for (const auto& spy : spies) {
            QCOMPARE(spy->count(), 0);
        }
    }

    void newOpenSaveRoundTripThroughTheMenus() {
        Setup& s = start();
        const std::string sample = saveSample("sample.vrd");
        s.prompt.files = {sample};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        QCOMPARE(s.prompt.fileRequests.back().title, std::string("Open a CD collection."));
        QCOMPARE(s.document.catalogue().discs.size(), 3u);

        const std::string copy = s.folder.file("copy");
        s.prompt.files = {copy};
        item({QStringLiteral("&File"), QStringLiteral("Save &As...")})->trigger();
        QCOMPARE(s.document.path(), copy + ".vrd");
        QCOMPARE(test::readFile(copy + ".vrd"), test::readFile(sample));

        item({QStringLiteral("&File"), QStringLiteral("&New")})->trigger();
        QVERIFY(s.document.catalogue().discs.empty());
        QVERIFY(s.prompt.messages.empty());

        s.prompt.files = {copy + ".vrd"};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        QCOMPARE(s.document.catalogue().discs.size(), 3u);
        s.document.catalogue().discs.pop_back();
        s.document.setModified();
        const auto dialogs = s.prompt.fileRequests.size();
        item({QStringLiteral("&File"), QStringLiteral("&Save")})->trigger();
        QCOMPARE(s.prompt.fileRequests.size(), dialogs);
        QVERIFY(!s.document.isModified());

        // The recent files are listed most recent first and open again from the menu.
        QMenu* file = subMenu(s.window.menuBar()->actions(), QStringLiteral("&File"));
        openAndClose(file);
        const QStringList items = flatten(file->actions());
        QCOMPARE(items.mid(5, 2),
                 (QStringList{QStringLiteral("&1 ") + toQt(copy) + QStringLiteral(".vrd|"),
                              QStringLiteral("&2 ") + toQt(sample) + QStringLiteral("|")}));
        item({QStringLiteral("&File"), QStringLiteral("&2 ") + toQt(sample)})->trigger();
        QCOMPARE(s.document.path(), sample);
        QCOMPARE(s.document.catalogue().discs.size(), 3u);

        // A modified catalogue is offered for saving before New.
        s.document.setModified();
        s.prompt.answers = {Answer::Cancel};
        item({QStringLiteral("&File"), QStringLiteral("&New")})->trigger();
        QCOMPARE(s.prompt.messages.back(), std::string("Save changes to sample.vrd?"));
        QCOMPARE(s.document.catalogue().discs.size(), 3u);
    }

    void theGuardsRefuseWithTheirMessages() {
        Setup& s = start();
        s.windows.scanning = true;
        for (const char* text : {"&New", "&Open...", "Open Demo Databse", "&Save", "Save &As..."}) {
            item({QStringLiteral("&File"), QString::fromLatin1(text)})->trigger();
        }
        QCOMPARE(s.prompt.messages,
                 std::vector<std::string>(5, " The scan process is running in background mode"));
        s.prompt.messages.clear();
        s.windows.scanning = false;
        s.windows.searching = true;
        for (const char* text : {"&New", "&Open...", "Open Demo Databse"}) {
            item({QStringLiteral("&File"), QString::fromLatin1(text)})->trigger();
        }
        item({QStringLiteral("&Operations"), QStringLiteral("Logout")})->trigger();
        QCOMPARE(s.prompt.messages,
                 std::vector<std::string>(4,
                                          "You have a search dialog running in background mode! "
                                          "Please press Ctrl + S to close it"));
        QVERIFY(s.prompt.fileRequests.empty());
    }

    // Ctrl+Y and Operations > CD Scan open one scan dialog at a time; its saved disc enters the
    // catalogue, and the scan counts as running until then.
    void cdScanOpensOneDialogWhoseSaveAddsTheDisc() {
        Setup& s = start();
        auto disc = std::make_shared<test::FakeDiscVolume>(
            test::FakeDiscVolume{{"Music/a.mp3", 1000}, {"readme.txt", 12}});
        disc->setIdentity("HOLIDAY", 77);
        s.drives.addDrive(disc);
        const std::string sample = saveSample("sample.vrd");
        s.prompt.files = {sample};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        const std::string before = test::readFile(sample);
        StandInDocumentWindows windows;
        windows.watchScansOf(s.document);

        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTest::keyClick(&s.window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(scanDialogs(s).size(), 1);
        CDialogScan* dialog = scanDialogs(s).front();
        QVERIFY(dialog->isVisible());
        QVERIFY(windows.scanInProgress());
        item({QStringLiteral("&Operations"), QStringLiteral("CD Scan")})->trigger();
        QCOMPARE(scanDialogs(s).size(), 1);

        // Without the automatic save the file stays as it was and the document is modified.
        test::child<QCheckBox>(*dialog, "autoSave")->click();
        QTRY_VERIFY(test::child<QToolButton>(*dialog, "scanButton")->isEnabled());
        QTest::mouseClick(test::child<QToolButton>(*dialog, "scanButton"), Qt::LeftButton);
        QTRY_VERIFY(test::child<QToolButton>(*dialog, "saveButton")->isEnabled());
        QTest::mouseClick(test::child<QToolButton>(*dialog, "saveButton"), Qt::LeftButton);
        QVERIFY(!windows.scanInProgress());
        QCOMPARE(s.document.catalogue().discs.size(), 4u);
        const CQXDisc& added = *s.document.catalogue().discs.back();
        QCOMPARE(added.number(), std::string("11"));
        QCOMPARE(added.name(), std::string("HOLIDAY"));
        QCOMPARE(added.ownerName(), std::string("anna"));
        QCOMPARE(added.files.size(), 2u);
        QCOMPARE(s.document.currentDisc().number(), std::string("11"));
        QVERIFY(s.document.isModified());
        QCOMPARE(test::readFile(sample), before);
        QCOMPARE(selectedDiscItem(s), QStringLiteral("11 HOLIDAY"));
        QVERIFY(s.prompt.messages.empty());
        QTRY_VERIFY(scanDialogs(s).isEmpty());

        // A new scan is refused when the disc is catalogued already; closing ends the scan.
        item({QStringLiteral("&Operations"), QStringLiteral("CD Scan")})->trigger();
        QCOMPARE(scanDialogs(s).size(), 1);
        dialog = scanDialogs(s).front();
        QTRY_VERIFY(test::child<QToolButton>(*dialog, "scanButton")->isEnabled());
        QTest::mouseClick(test::child<QToolButton>(*dialog, "scanButton"), Qt::LeftButton);
        QTRY_COMPARE(s.prompt.messages, std::vector<std::string>{
                                            "You already have a CD with the same serial number!"});
        test::child<QPushButton>(*dialog, "closeButton")->click();
        QVERIFY(!windows.scanInProgress());
        QCOMPARE(s.document.catalogue().discs.size(), 4u);
        QTRY_VERIFY(scanDialogs(s).isEmpty());
    }

    // The commands panel forgets a closed dialog at once; the dialog goes when its walk has
    // ended, and the window never waits for the drive meanwhile.
    void closingAScanNeverWaitsForTheDrive() {
        Setup& s = start();
        auto disc = std::make_shared<test::FakeDiscVolume>(
            test::FakeDiscVolume{{"Music/a.mp3", 1000}, {"readme.txt", 12}});
        disc->setIdentity("HOLIDAY", 77);
        s.drives.addDrive(disc);
        auto gate = std::make_shared<test::Gate>();
        disc->onList = [gate](std::string_view path) {
            if (path == "Music") {
                gate->arrive();
            }
        };
        StandInDocumentWindows windows;
        windows.watchScansOf(s.document);
        item({QStringLiteral("&Operations"), QStringLiteral("CD Scan")})->trigger();
        QPointer<CDialogScan> dialog = scanDialogs(s).front();
        QTRY_VERIFY(test::child<QToolButton>(*dialog, "scanButton")->isEnabled());
        QTest::mouseClick(test::child<QToolButton>(*dialog, "scanButton"), Qt::LeftButton);
        QTRY_VERIFY(gate->reached());

        test::child<QPushButton>(*dialog, "closeButton")->click();
        QVERIFY(!windows.scanInProgress());
        bool fired = false;
        bool whileHeld = false;
        const QObject context;  // drops the timer should it not fire before the wait gives up
        QTimer::singleShot(0, &context, [&] {
            fired = true;
            whileHeld = gate->holding();
        });
        QTRY_VERIFY(fired);
        QVERIFY(whileHeld);
        QVERIFY(!dialog.isNull());

        gate->release();
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(s.document.catalogue().discs.empty());
    }

    void cdScanOfSomeoneElsesCatalogueIsRefused() {
        Setup& s = start();
        s.prompt.files = {saveSample("theirs.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        s.document.catalogue().discs[0]->setOwnerName("bob");
        item({QStringLiteral("&Operations"), QStringLiteral("CD Scan")})->trigger();
        QCOMPARE(s.prompt.messages.back(),
                 std::string("Operation not allowed! Logged in as : anna"));
        QVERIFY(scanDialogs(s).isEmpty());

        // An empty catalogue belongs to nobody yet: anyone may scan its first disc.
        item({QStringLiteral("&File"), QStringLiteral("&New")})->trigger();
        item({QStringLiteral("&Operations"), QStringLiteral("CD Scan")})->trigger();
        QCOMPARE(scanDialogs(s).size(), 1);
    }

    void addBlankCdAddsAPlaceholderDisc() {
        Setup& s = start();
        item({QStringLiteral("&Operations"), QStringLiteral("Add Blank CD")})->trigger();
        QVERIFY(s.document.catalogue().discs.empty());
        QVERIFY(s.prompt.messages.empty());

        s.prompt.files = {saveSample("sample.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        item({QStringLiteral("&Operations"), QStringLiteral("Add Blank CD")})->trigger();
        QCOMPARE(s.document.catalogue().discs.size(), 4u);
        const CQXDisc& blank = *s.document.catalogue().discs.back();
        QCOMPARE(blank.number(), std::string("11"));
        QCOMPARE(blank.name(), std::string("Blank Disc"));
        QVERIFY(s.document.isModified());
        QCOMPARE(selectedDiscItem(s), QStringLiteral("11 Blank"));
        QVERIFY(s.prompt.messages.empty());
    }

    // Operations > Delete CD is the disc tree's Delete: owner check, question, removal, and the
    // panes moved on to the disc that takes its place.
    void deleteCdRunsTheDiscTreesDelete() {
        Setup& s = start();
        s.prompt.files = {saveSample("sample.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        auto* tree = test::child<QTreeView>(s.window, "discTree");
        s.prompt.answers = {Answer::No};
        s.document.onCommand(PaneCommand::DeleteDisc);
        QCOMPARE(s.prompt.messages,
                 std::vector<std::string>{"Do you really want to delete CD 1 ?"});
        QCOMPARE(s.document.catalogue().discs.size(), 3u);
        QVERIFY(!s.document.isModified());

        s.prompt.answers = {Answer::Yes};
        item({QStringLiteral("&Operations"), QStringLiteral("Delete CD\tDel")})->trigger();
        QCOMPARE(s.prompt.messages.back(), std::string("Do you really want to delete CD 1 ?"));
        QCOMPARE(s.document.catalogue().discs.size(), 2u);
        QVERIFY(s.document.catalogue().findDisc("1") == nullptr);
        QCOMPARE(tree->model()->rowCount(), 2);
        QCOMPARE(tree->currentIndex().data().toString(), QString::fromUtf8("2 LENT \u20AC"));
        QCOMPARE(s.document.currentDisc().number(), std::string("2"));
        QVERIFY(s.document.isModified());

        // Someone else's catalogue is refused before anything is asked.
        s.document.catalogue().discs[0]->setOwnerName("bob");
        s.prompt.messages.clear();
        s.document.onCommand(PaneCommand::DeleteDisc);
        QCOMPARE(s.prompt.messages,
                 std::vector<std::string>{"Operation not allowed! Logged in as : anna"});
        QCOMPARE(s.document.catalogue().discs.size(), 2u);
    }

    void databaseItemsShowTheFiguresAndOptimizeTheOpenCatalogue() {
        Setup& s = start();
        s.prompt.files = {saveSample("figures.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        std::uint64_t files = 0;
        std::set<std::string> others;
        for (const auto& disc : s.document.catalogue().discs) {
            files += disc->files.size();
            for (const auto& entry : disc->files) {
                const std::string name(entry.name());
                if (const auto dot = name.rfind('.'); dot != std::string::npos) {
                    others.insert(lowerCase(name.substr(dot + 1)));
                }
            }
        }
        withModal(
            [&] {
                item({QStringLiteral("&Operations"), QStringLiteral("Database Info")})->trigger();
            },
            [&](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Database Information"));
                QCOMPARE(test::child<QLineEdit>(dialog, "ownerField")->text(),
                         QStringLiteral("anna"));
                QCOMPARE(test::child<QLineEdit>(dialog, "discsField")->text(), QStringLiteral("3"));
                QCOMPARE(test::child<QLineEdit>(dialog, "filesField")->text(),
                         QString::number(files));
                QVERIFY(test::child<QLineEdit>(dialog, "sizeField")->isReadOnly());
            });

        // Every extension but mp3 is on the skip list, so nothing is left to review.
        others.erase("mp3");
        std::string skip;
        for (const std::string& extension : others) {
            skip += extension + "\r\n";
        }
        test::writeFile(s.folder.file("ext.txt"), "mp3\r\n");
        test::writeFile(s.folder.file("noscan.txt"), skip);
        s.settings.writeNumber(setting::kSettingsKey, setting::kOptimizationCheck, 0);
        s.prompt.answers = {Answer::Yes};
        item({QStringLiteral("&Operations"), QStringLiteral("Optimize Database")})->trigger();
        QCOMPARE(s.prompt.messages.front(), std::string(kOptimizeQuestion));
        QVERIFY(s.prompt.messages.back().starts_with("Files Starting:        " +
                                                     std::to_string(files)));
        for (const auto& disc : s.document.catalogue().discs) {
            for (const auto& entry : disc->files) {
                const std::string name = lowerCase(entry.name());
                QVERIFY2(name.find('.') == std::string::npos || name.ends_with(".mp3"),
                         name.c_str());
            }
        }
        QVERIFY(s.document.isModified());

        s.document.catalogue().discs[0]->setOwnerName("bob");
        s.prompt.messages.clear();
        item({QStringLiteral("&Operations"), QStringLiteral("Optimize Database")})->trigger();
        QCOMPARE(s.prompt.messages,
                 std::vector<std::string>{"Operation not allowed! Logged in as : anna"});
    }

    // The Lend menu and Find Gaps reach the lending and disc-number operations through the
    // commands panel, each with what it shows.
    void lendingAndGapItemsReachTheirOperations() {
        Setup& s = start();
        s.prompt.files = {saveSample("sample.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        QVERIFY(discTree(s.document)->selectDisc("2"));

        item({QStringLiteral("&Lend"), QStringLiteral("Get Back")})->trigger();
        const CQXDisc& lent = *s.document.catalogue().findDisc("2");
        QCOMPARE(lent.location(), std::string("home"));
        QCOMPARE(lent.lendDate(), std::string("March 05 2004"));
        QVERIFY(s.document.isModified());
        QVERIFY(s.prompt.messages.empty());

        // The panel's lend combo is empty.
        item({QStringLiteral("&Lend"), QStringLiteral("CD Lend / Borrow\tCtrl+Enter")})->trigger();
        QCOMPARE(s.prompt.messages, std::vector<std::string>{"Please, enter a name."});
        QCOMPARE(lent.location(), std::string("home"));

        const auto titleOf = [this](const QStringList& path) {
            QString title;
            withModal([&] { item(path)->trigger(); },
                      [&title](QDialog& dialog) { title = dialog.windowTitle(); });
            return title;
        };
        QCOMPARE(titleOf({QStringLiteral("&Lend"), QStringLiteral("Show Available CDs")}),
                 QStringLiteral("List of All Available Discs"));
        s.prompt.messages.clear();
        QCOMPARE(titleOf({QStringLiteral("&Lend"),
                          QStringLiteral("Show Non-Available CDs\tCtrl+Enter")}),
                 QStringLiteral("All non-available CDs"));
        QCOMPARE(s.prompt.messages, std::vector<std::string>{"All CDs are available"});
        QCOMPARE(titleOf({QStringLiteral("&Operations"), QStringLiteral("Find Gaps")}),
                 QStringLiteral("Find Gaps in the CD Index"));
    }

    void accountItemsReachTheDocument() {
        Setup& s = start();
        item({QStringLiteral("&Help"), QStringLiteral("Who am I")})->trigger();
        QCOMPARE(s.prompt.messages.back(), std::string("Currently logged in as: anna"));
        s.prompt.files = {saveSample("theirs.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        s.document.catalogue().discs[0]->setOwnerName("bob");
        item({QStringLiteral("O&ptions"), QStringLiteral("Change Database Owner")})->trigger();
        QCOMPARE(s.prompt.messages.back(),
                 std::string("Operation not allowed! Logged in as : anna"));
    }

    void viewItemsAreDisabledWhileTheirModeIsCurrent() {
        Setup& s = start();
        QMenu* view = subMenu(s.window.menuBar()->actions(), QStringLiteral("&View"));
        const auto enabled = [view] {
            openAndClose(view);
            QList<bool> states;
            for (QAction* action : view->actions()) {
                if (!action->isSeparator()) {
                    states.push_back(action->isEnabled());
                }
            }
            return states;
        };
        QCOMPARE(enabled(), (QList<bool>{true, false, false, true, false}));
        item({QStringLiteral("&View"), QStringLiteral("File View Large Icons")})->trigger();
        item({QStringLiteral("&View"), QStringLiteral("CD Tree Large Icons")})->trigger();
        QCOMPARE(enabled(), (QList<bool>{false, true, true, false, false}));
        s.document.setWholeTreeShown(false);
        QCOMPARE(enabled().back(), true);
    }

    void closeHidesToTheTrayAndRestoreShows_data() {
        QTest::addColumn<int>("showTrayInfo");
        QTest::newRow("showtrayinfo 1") << 1;
        QTest::newRow("showtrayinfo 0") << 0;
        QTest::newRow("showtrayinfo 2") << 2;
    }

    void closeHidesToTheTrayAndRestoreShows() {
        QFETCH(int, showTrayInfo);
        Setup& s = start();
        s.settings.writeNumber(setting::kSettingsKey, setting::kShowTrayInfo,
                               static_cast<std::uint32_t>(showTrayInfo));
        QSignalSpy closed(&s.window, &CMainFrame::closedForGood);
        s.window.close();
        QVERIFY(!s.window.isVisible());
        QCOMPARE(s.window.trayInfoWindow().isVisible(), showTrayInfo == 1);
        QCOMPARE(closed.count(), 0);
        trayItem({QStringLiteral("&Restore")})->trigger();
        QVERIFY(s.window.isVisible());

        item({QStringLiteral("&File"), QStringLiteral("H&ide to Tray")})->trigger();
        QVERIFY(!s.window.isVisible());
        trayItem({QStringLiteral("&Restore")})->trigger();
        trayItem({QStringLiteral("Hide")})->trigger();
        QVERIFY(!s.window.isVisible());
        trayItem({QStringLiteral("&Restore")})->trigger();
        QVERIFY(s.window.isVisible());
        QCOMPARE(closed.count(), 0);
    }

    void minimisingHidesToTheTray() {
        Setup& s = start();
        s.window.showMinimized();
        QTRY_VERIFY(!s.window.isVisible());
        trayItem({QStringLiteral("&Restore")})->trigger();
        QVERIFY(s.window.isVisible());
        QVERIFY(!s.window.isMinimized());
    }

    // With nothing to bring a hidden window back, closing it is Exit: the question first.
    void withoutATrayClosingAsksToExit() {
        Setup& s = start(false);
        QCOMPARE(s.window.trayIcon(), nullptr);
        s.settings.writeNumber(setting::kSettingsKey, setting::kShowTrayInfo, 1);
        QSignalSpy closed(&s.window, &CMainFrame::closedForGood);
        s.prompt.answers = {Answer::No};
        s.window.close();
        QTRY_COMPARE(s.prompt.messages,
                     std::vector<std::string>{"Do you realy want to exit the program?"});
        QVERIFY(s.window.isVisible());
        QVERIFY(!s.window.isMinimized());
        QVERIFY(!s.window.trayInfoWindow().isVisible());
        QCOMPARE(closed.count(), 0);

        s.prompt.answers = {Answer::Yes};
        s.window.close();
        QTRY_COMPARE(closed.count(), 1);
        QVERIFY(!s.window.isVisible());
        QCOMPARE(s.log, (Log{"search windows closed", "chat shut down"}));

        // File > Exit asks the same.
        Setup& again = start(false);
        again.prompt.answers = {Answer::No};
        item({QStringLiteral("&File"), QStringLiteral("E&xit")})->trigger();
        QCOMPARE(again.prompt.messages,
                 std::vector<std::string>{"Do you realy want to exit the program?"});
        QVERIFY(again.window.isVisible());
    }

    void exitAsksThenClosesAfterTheSavePrompt() {
        Setup& s = start();
        QSignalSpy closed(&s.window, &CMainFrame::closedForGood);
        s.prompt.answers = {Answer::No};
        trayItem({QStringLiteral("&Exit")})->trigger();
        QCOMPARE(s.prompt.messages,
                 std::vector<std::string>{"Do you realy want to exit the program?"});
        QVERIFY(s.window.isVisible());
        QVERIFY(s.log.empty());

        // Cancel at the save prompt keeps the program running, and a later close only hides.
        s.document.setModified();
        s.prompt.answers = {Answer::Yes, Answer::Cancel};
        trayItem({QStringLiteral("&Exit")})->trigger();
        QCOMPARE(s.prompt.messages.back(), std::string("Save changes to Untitled?"));
        QVERIFY(s.window.isVisible());
        QCOMPARE(closed.count(), 0);
        s.window.close();
        QVERIFY(!s.window.isVisible());
        QCOMPARE(closed.count(), 0);
        trayItem({QStringLiteral("&Restore")})->trigger();

        // Exit from the tray while the window is hidden there.
        s.window.close();
        s.log.clear();
        s.prompt.answers = {Answer::Yes, Answer::No};
        trayItem({QStringLiteral("&Exit")})->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!s.window.isVisible());
        QCOMPARE(s.log, (Log{"search windows closed", "chat shut down"}));
    }

    // The options dialog comes from the Options menu; only its OK hands the chat component
    // the Net page's "Show Transfer Dialog Automatically".
    void vorlixSettingsOpensTheOptionsDialogWhoseOkTellsTheChat() {
        Setup& s = start();
        // A logon entry, were one made, goes into the test's folder.
        const std::optional<QByteArray> config =
            qEnvironmentVariableIsSet("XDG_CONFIG_HOME")
                ? std::optional<QByteArray>(qgetenv("XDG_CONFIG_HOME"))
                : std::nullopt;
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(s.folder.file("config")));
        s.settings.writeNumber(setting::kSettingsKey, setting::kTransferAuto, 1);
        const auto openAndClose = [&](bool untick, QDialogButtonBox::StandardButton close) {
            withModal(
                [&] {
                    item({QStringLiteral("O&ptions"), QStringLiteral("Vorlix Settings")})
                        ->trigger();
                },
                [&](QDialog& dialog) {
                    QCOMPARE(dialog.windowTitle(), QStringLiteral("Orvanta Settings"));
                    QCOMPARE(test::child<QListWidget>(dialog, "pageList")->count(), 6);
                    // The history lists of the catalogue, to be edited on their own page.
                    QVERIFY(test::child<QComboBox>(dialog, "listChoice"));
                    auto* box = test::child<QCheckBox>(dialog, "transferauto");
                    QVERIFY(box->isChecked());
                    if (untick) {
                        box->setChecked(false);
                    }
                    auto* buttons = dialog.findChild<QDialogButtonBox*>();
                    QTest::mouseClick(buttons->button(close), Qt::LeftButton);
                    QVERIFY(!dialog.isVisible());
                });
        };
        s.log.clear();
        openAndClose(false, QDialogButtonBox::Ok);
        QCOMPARE(s.log, Log{"transfers come up"});
        openAndClose(true, QDialogButtonBox::Cancel);
        QCOMPARE(s.log, Log{"transfers come up"});
        QCOMPARE(s.settings.readNumber(setting::kSettingsKey, setting::kTransferAuto), 1u);
        openAndClose(false, QDialogButtonBox::Ok);
        s.settings.writeNumber(setting::kSettingsKey, setting::kTransferAuto, 1);
        openAndClose(true, QDialogButtonBox::Ok);
        QCOMPARE(s.log, (Log{"transfers come up", "transfers come up", "transfers stay hidden"}));
        QCOMPARE(s.settings.readNumber(setting::kSettingsKey, setting::kTransferAuto), 0u);
        if (config) {
            qputenv("XDG_CONFIG_HOME", *config);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }

    void theChatComponentStartsHiddenAndOffline() {
        test::MemorySettings settings;
        DialogServerChat chat(settings,
                              "/home/u/.local/share/vorlix/MySharedDatabase/"
                              "MySharedDatabase.vrd");
        CDialogServer& server = chat.window();
        QVERIFY(!server.isVisible());
        QCOMPARE(server.sharedDatabasePath(),
                 std::string("/home/u/.local/share/vorlix/MySharedDatabase/MySharedDatabase.vrd"));
        QCOMPARE(server.connectionState(), std::string("OFFLINE"));
        chat.shutDown();
        QCOMPARE(server.connectionState(), std::string("OFFLINE"));
        chat.setWindowShown(true);
        QVERIFY(server.isVisible());
        chat.setWindowShown(false);
        QVERIFY(!server.isVisible());

        // What the commands panel reads and sets through the component's interface.
        ChatComponent& component = chat;
        QCOMPARE(component.connectionState(), std::string("OFFLINE"));
        QCOMPARE(component.accountState(), std::string("0"));
        QCOMPARE(component.activeTransfers(), 0);
        QCOMPARE(component.usersOnline(), 0);
        auto* automatically = test::child<QCheckBox>(server, "transferAutomatically");
        component.setVisibleTransfer(true);
        QVERIFY(automatically->isChecked());
        component.setVisibleTransfer(false);
        QVERIFY(!automatically->isChecked());
    }

    void trayMenuHasItsItems() {
        Setup& s = start();
        QVERIFY(s.window.trayIcon() != nullptr);
        QCOMPARE(s.window.trayIcon()->contextMenu(), s.window.trayMenu());
        const QStringList expected = {
            QStringLiteral("&Restore|"),
            QStringLiteral("Hide|"),
            QStringLiteral("Search Dialogs > Show|"),
            QStringLiteral("Search Dialogs > Hide|"),
            QStringLiteral("Copy Tasks > Show|"),
            QStringLiteral("Copy Tasks > Hide|"),
            QStringLiteral("Playlist > Show|"),
            QStringLiteral("Playlist > Hide|"),
            QStringLiteral("Playlist > QX Help Playlist|"),
            QStringLiteral("Chat Server > Show|"),
            QStringLiteral("Chat Server > Hide|"),
            QStringLiteral("Chat Server > Transfer Manager > Show|"),
            QStringLiteral("Chat Server > Transfer Manager > Hide|"),
            QStringLiteral("Chat Server > Network > Connect|"),
            QStringLiteral("Chat Server > Network > Disconnect|"),
            QStringLiteral("Chat Server > Chatters > Show|"),
            QStringLiteral("Chat Server > Chatters > Hide|"),
            QStringLiteral("&Exit|"),
        };
        QCOMPARE(flatten(s.window.trayMenu()->actions()), expected);
    }

    void trayItemsDriveTheBackgroundWindowsAndTheChat_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("effect");
        const auto row = [](const char* name, QStringList path, const char* effect) {
            QTest::newRow(name) << path << QString::fromLatin1(effect);
        };
        row("search show", {QStringLiteral("Search Dialogs"), QStringLiteral("Show")},
            "search windows shown");
        row("search hide", {QStringLiteral("Search Dialogs"), QStringLiteral("Hide")},
            "search windows hidden");
        row("copy show", {QStringLiteral("Copy Tasks"), QStringLiteral("Show")},
            "copy tasks shown");
        row("copy hide", {QStringLiteral("Copy Tasks"), QStringLiteral("Hide")},
            "copy tasks hidden");
        row("chat show", {QStringLiteral("Chat Server"), QStringLiteral("Show")}, "chat shown");
        row("chat hide", {QStringLiteral("Chat Server"), QStringLiteral("Hide")}, "chat hidden");
        row("transfers show",
            {QStringLiteral("Chat Server"), QStringLiteral("Transfer Manager"),
             QStringLiteral("Show")},
            "transfers shown");
        row("transfers hide",
            {QStringLiteral("Chat Server"), QStringLiteral("Transfer Manager"),
             QStringLiteral("Hide")},
            "transfers hidden");
        row("connect",
            {QStringLiteral("Chat Server"), QStringLiteral("Network"), QStringLiteral("Connect")},
            "chat connect");
        row("disconnect",
            {QStringLiteral("Chat Server"), QStringLiteral("Network"),
             QStringLiteral("Disconnect")},
            "chat shut down");
        row("chatters show",
            {QStringLiteral("Chat Server"), QStringLiteral("Chatters"), QStringLiteral("Show")},
            "chatters shown");
        row("chatters hide",
            {QStringLiteral("Chat Server"), QStringLiteral("Chatters"), QStringLiteral("Hide")},
            "chatters hidden");
    }

    void trayItemsDriveTheBackgroundWindowsAndTheChat() {
        QFETCH(QStringList, path);
        QFETCH(QString, effect);
        Setup& s = start();
        trayItem(path)->trigger();
        QCOMPARE(s.log, Log{fromQt(effect)});
    }

    void trayToolTipFollowsTheStatusLine() {
        Setup& s = start();
        QCOMPARE(s.window.trayIcon()->toolTip(), QStringLiteral("Vorlix CD Organizer"));
        // The commands panel would write its own status line meanwhile.
        test::child<QTimer>(s.window, "statusTimer")->stop();
        auto* timer = test::child<QTimer>(s.window, "trayToolTipTimer");
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(timer->isActive());
        const std::string status =
            "Logged: anna Con: No Trs: 0 OnUsr: 0 and then some more words "
            "than a tooltip holds";
        s.document.setStatusText(status);
        QTRY_COMPARE_WITH_TIMEOUT(s.window.trayIcon()->toolTip(), toQt(status.substr(0, 63)), 3000);
    }

    void trayToolTipIsCutTo63Characters_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("shown");
        const QString sixtyTwo(62, QLatin1Char('a'));
        QTest::newRow("short") << QStringLiteral("Logged: anna") << QStringLiteral("Logged: anna");
        QTest::newRow("63") << sixtyTwo + QLatin1Char('b') << sixtyTwo + QLatin1Char('b');
        QTest::newRow("64") << sixtyTwo + QStringLiteral("bc") << sixtyTwo + QLatin1Char('b');
        QTest::newRow("accents") << QString(70, QChar(0xE9)) << QString(63, QChar(0xE9));
        // A character beyond the basic plane at the cut is left out whole.
        QTest::newRow("emoji at the cut")
            << sixtyTwo + QString::fromUtf8("\xF0\x9F\x92\xBF") + QLatin1Char('x') << sixtyTwo;
    }

    void trayToolTipIsCutTo63Characters() {
        QFETCH(QString, status);
        QFETCH(QString, shown);
        QCOMPARE(trayToolTipFor(status), shown);
    }

    void helpItemsOpenThePagesOrSaySo() {
        Setup& s = start();
        item({QStringLiteral("&Help"), QStringLiteral("Vorlix Help")})->trigger();
        item({QStringLiteral("&Help"), QStringLiteral("Tips And Tricks")})->trigger();
        item({QStringLiteral("&Help"), QStringLiteral("Report Bugs")})->trigger();
        QCOMPARE(s.shell.opened, (std::vector<std::string>{
                                     s.folder.file("doc/index.html"), "https://vorlix.example.org",
                                     "https://vorlix.example.org/forum/index.php?showforum=5"}));
        s.shell.works = false;
        item({QStringLiteral("&Help"), QStringLiteral("Vorlix Help")})->trigger();
        QCOMPARE(s.prompt.messages, std::vector<std::string>{"Could not find the help system."});
    }

    void theDesktopOpenerRefusesAMissingFile() {
        test::TempDir folder;
        DesktopShellOpener opener;
        QVERIFY(!opener.open(folder.file("doc/index.html")));
        QVERIFY(!opener.open("/doc/index.html"));
    }

    void helpWizardShowsItsPageInItsOwnWindow() {
        Setup& s = start();
        HelpWizardWindow& wizard = s.window.helpWizard();
        QVERIFY(!wizard.isVisible());
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Vorlix HelpWizard"));
        QVERIFY(wizard.isWindow());
        QCOMPARE(wizard.pos(), QPoint(200, 150));
        QCOMPARE(wizard.size(), QSize(750, 560));
        QCOMPARE(wizard.source().toLocalFile(), toQt(s.folder.file("doc/web/wizard/index.html")));
        QVERIFY(wizard.toPlainText().contains(QStringLiteral("Welcome to the wizard")));
        item({QStringLiteral("&Help"), QStringLiteral("Help Wizard")})->trigger();
        QVERIFY(wizard.isVisible());
    }

    // The commands panel's "Help Wizard" and "QX options" do what the menu items do.
    void commandsPanelButtonsShowTheMainWindowsWindows() {
        Setup& s = start();
        QTest::mouseClick(test::child<QPushButton>(s.window, "helpWizardButton"), Qt::LeftButton);
        QVERIFY(s.window.helpWizard().isVisible());
        QSignalSpy settings(item({QStringLiteral("O&ptions"), QStringLiteral("Vorlix Settings")}),
                            &QAction::triggered);
        // The options dialog it brings up is modal; it is closed again at once.
        withModal(
            [&] {
                QTest::mouseClick(test::child<QToolButton>(s.window, "optionsButton"),
                                  Qt::LeftButton);
            },
            [](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Orvanta Settings"));
            });
        QCOMPARE(settings.count(), 1);
    }

    // The search windows the document closes, shows and hides are the commands panel's.
    void theDocumentReachesTheSearchWindowsOfTheCommandsPanel() {
        Setup& s = start();
        s.prompt.files = {saveSample("sample.vrd")};
        item({QStringLiteral("&File"), QStringLiteral("&Open...")})->trigger();
        StandInDocumentWindows windows;
        windows.watchScansOf(s.document);
        QVERIFY(!windows.searchWindowsOpen());
        s.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTest::keyClick(&s.window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(s.searchWindows.opened.size(), 1u);
        QVERIFY(windows.searchWindowsOpen());

        windows.setSearchWindowsShown(false);
        windows.setSearchWindowsShown(true);
        windows.closeSearchWindows();
        const auto& window = *s.searchWindows.opened.front();
        QCOMPARE(window.words,
                 (std::vector<SearchWindowWord>{SearchWindowWord::Hide, SearchWindowWord::Show,
                                                SearchWindowWord::Close}));
        QVERIFY(window.ended);
        QVERIFY(!windows.searchWindowsOpen());
    }

    void trayInfoWindowShowsFromTheHelpMenu() {
        Setup& s = start();
        TrayInfoWindow& info = s.window.trayInfoWindow();
        QVERIFY(!info.isVisible());
        QVERIFY(info.isWindow());
        QCOMPARE(info.windowTitle(), QStringLiteral("Vorlix Tray Info"));
        item({QStringLiteral("&Help"), QStringLiteral("Show Tray Icon Info")})->trigger();
        QVERIFY(info.isVisible());
    }

    void keyTableListsTheKeys() {
        Setup& s = start();
        QString title;
        QStringList headers;
        QList<int> widths;
        QStringList rows;
        bool closedByOk = false;
        withModal(
            [&] {
                item({QStringLiteral("&Help"), QStringLiteral("Key Table")})->trigger();
            },
            [&](QDialog& dialog) {
                title = dialog.windowTitle();
                auto* table = test::child<QTreeWidget>(dialog, "keyTable");
                for (int c = 0; c < table->columnCount(); ++c) {
                    headers << table->headerItem()->text(c);
                    widths << table->columnWidth(c);
                }
                for (int r = 0; r < table->topLevelItemCount(); ++r) {
                    rows << table->topLevelItem(r)->text(0) + QLatin1Char('|') +
                                table->topLevelItem(r)->text(1);
                }
                auto* ok = test::child<QPushButton>(dialog, "okButton");
                QCOMPARE(ok->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
                QTest::mouseClick(ok, Qt::LeftButton);
                closedByOk = !dialog.isVisible() && dialog.result() == QDialog::Accepted;
            });
        QCOMPARE(title, QStringLiteral("Orvanta Key Accelerator Table"));
        QCOMPARE(headers, (QStringList{QStringLiteral("Combination"), QStringLiteral("Action")}));
        QCOMPARE(widths, (QList<int>{100, 300}));
        const QStringList expected = {
            QStringLiteral("Del|Delete categories or  CDs"),
            QStringLiteral("Ctrl + P|Create a new playlist"),
            QStringLiteral("Ctrl + I|Start the QX server"),
            QStringLiteral("Ctrl + N|Create a new cd database"),
            QStringLiteral("Ctrl + O|Open a cd database"),
            QStringLiteral("Ctrl + H|Show all available discs"),
            QStringLiteral("Ctrl + X|Show all non-available discs"),
            QStringLiteral("Ctrl + B|Get disc back"),
            QStringLiteral("Ctrl + G|Find gaps"),
            QStringLiteral("Ctrl + Q|Search for CDs"),
            QStringLiteral("Ctrl + D|Run a CDDB query"),
            QStringLiteral("Ctrl + Y|Scan a CD"),
        };
        QCOMPARE(rows, expected);
        QVERIFY(closedByOk);
        QVERIFY(s.prompt.messages.empty());
    }

    void aboutBoxOpensTheSiteFromItsLinkAndClosesElsewhere() {
        Setup& s = start();
        Qt::CursorShape overLink = Qt::ArrowCursor;
        Qt::CursorShape overPicture = Qt::PointingHandCursor;
        bool openAfterLink = false;
        bool openAfterFailure = false;
        bool closedByClick = false;
        withModal(
            [&] {
                item({QStringLiteral("&Help"), QStringLiteral("&About Vorlix...")})->trigger();
            },
            [&](QDialog& box) {
                const QPoint link = kAboutLinkArea.center();
                moveMouse(box, link);
                overLink = box.cursor().shape();
                moveMouse(box, QPoint(20, 20));
                overPicture = box.cursor().shape();
                QTest::mouseClick(&box, Qt::LeftButton, {}, link);
                openAfterLink = box.isVisible();
                s.shell.works = false;
                QTest::mouseClick(&box, Qt::LeftButton, {}, link);
                openAfterFailure = box.isVisible();
                QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(20, 20));
                closedByClick = !box.isVisible();
            });
        QCOMPARE(overLink, Qt::PointingHandCursor);
        QCOMPARE(overPicture, Qt::ArrowCursor);
        QVERIFY(openAfterLink);
        QVERIFY(openAfterFailure);
        QVERIFY(closedByClick);
        QCOMPARE(s.shell.opened, (std::vector<std::string>(2, "https://vorlix.example.org")));
        QCOMPARE(s.prompt.messages, std::vector<std::string>{"Could not open internet site."});
    }

    void aDroppedCatalogueIsOpened() {
        Setup& s = start();
        const std::string path = saveSample("dropped.vrd");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(toQt(path))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&s.window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s.window, &drop);
        QTRY_COMPARE(s.document.path(), path);
        QCOMPARE(s.document.catalogue().discs.size(), 3u);

        QMimeData text;
        text.setText(QStringLiteral("not a file"));
        QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &text, Qt::LeftButton,
                                Qt::NoModifier);
        refused.setAccepted(false);
        QApplication::sendEvent(&s.window, &refused);
        QVERIFY(!refused.isAccepted());
    }

    // The window, its menus and the About box draw something of their size; with
    // VORLIX_GRAB_DIR set, their pictures are left there for a look at them.
    void windowGrabsToAPicture() {
        Setup& s = start();
        s.window.showMaximized();
        QTRY_VERIFY(s.window.frameGeometry().width() ==
                    QGuiApplication::primaryScreen()->geometry().width());
        const QPixmap picture = s.window.grab();
        QCOMPARE(picture.deviceIndependentSize().toSize(), s.window.size());
        checkDrawn(picture, QStringLiteral("main_window.png"));
        checkDrawn(aboutPicture(), QStringLiteral("about_box.png"));
        CDialogDatabaseInfo info(databaseInfo(test::sampleCatalogue()), &s.window);
        info.show();
        checkDrawn(info.grab(), QStringLiteral("database_info.png"));
        info.hide();
        for (const char* title : {"&File", "&Operations", "&Lend"}) {
            QMenu* menu = subMenu(s.window.menuBar()->actions(), QString::fromLatin1(title));
            menu->popup(QPoint(0, 0));
            QTRY_VERIFY(menu->isVisible());
            checkDrawn(menu->grab(), QString::fromLatin1(title).remove(QLatin1Char('&')) +
                                         QStringLiteral("_menu.png"));
            menu->hide();
        }
    }

private:
    // A picture of one colour only would mean the widget drew nothing.
    static void checkDrawn(const QPixmap& picture, const QString& name) {
        QVERIFY(!picture.isNull());
        const QImage image = picture.toImage();
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 3) {
            for (int x = 0; x < image.width() && !varied; x += 3) {
                varied = image.pixel(x, y) != image.pixel(0, 0);
            }
        }
        QVERIFY2(varied, qPrintable(name));
        const QString folder = qEnvironmentVariable("VORLIX_GRAB_DIR");
        if (!folder.isEmpty()) {
            QVERIFY(picture.save(folder + QLatin1Char('/') + name));
        }
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::MainFrameTest)
#include "main_frame_test.moc"
