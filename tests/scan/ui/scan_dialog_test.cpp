#include "scan/ui/scan_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "core/code_page.h"
#include "online/media_tag_source.h"
#include "scan/filter_lists.h"
#include "scan/ui/scan_filter_dialog.h"
#include "support/fake_disc_volume.h"
#include "support/gate.h"
#include "support/memory_settings.h"
#include "support/noise_bytes.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using test::FakeDiscVolume;
using test::Gate;

const QString kScanFirst = QStringLiteral("Please, scan the CD first.");

struct FakeMediaTags final : MediaTagSource {
    std::string mediaTag(const std::string&) override { return "1 2 3"; }
};

// A disc with files in two folders, one below the other, and in the root.
std::shared_ptr<FakeDiscVolume> backupDisc(std::uint32_t serial = 1234) {
    auto disc = std::make_shared<FakeDiscVolume>(
        FakeDiscVolume{{"Music/a.mp3", 1000}, {"Music/Rock/song.mp3", 4000}, {"readme.txt", 12}});
    disc->setIdentity("BACKUP", serial);
    return disc;
}

QStringList texts(const std::vector<std::string>& lines) {
    QStringList result;
    for (const std::string& line : lines) {
        result.append(QString::fromStdString(line));
    }
    return result;
}

// Every item below the tree's top as "text" with its depth in tabs, in pre-order.
QStringList treeLines(const QTreeWidget* tree) {
    QStringList lines;
    std::function<void(QTreeWidgetItem*, int)> add = [&](QTreeWidgetItem* item, int depth) {
        lines.append(QString(depth, QLatin1Char('\t')) + item->text(0));
        for (int i = 0; i < item->childCount(); ++i) {
            add(item->child(i), depth + 1);
        }
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        add(tree->topLevelItem(i), 0);
    }
    return lines;
}

// A scan dialog over fake drives, with filter lists in a fresh program folder, as the commands
// panel opens it; its handlers record how it ended.
class Fixture {
public:
    explicit Fixture(std::string_view keepList = "", std::string_view skipList = "") {
        test::writeFile(m_folder.file("ext.txt"), keepList);
        test::writeFile(m_folder.file("noscan.txt"), skipList);
    }

    ~Fixture() {
        // A read held at a gate must be able to end, or the dialog would wait for it forever.
        for (const auto& gate : m_gates) {
            gate->release();
        }
        delete dialog.data();
    }

    // The dialog as the commands panel opens it; it reads its drive list on its own.
    void show(ScanRequest request = {}) {
        if (request.discNumber.empty()) {
            request.discNumber = "12";
        }
        dialog = new CDialogScan(
            std::move(request), ScanServices{drives, m_lists, m_mediaTags, settings, prompt},
            ScanDialogHandlers{[this](SavedScan scan) { saved.push_back(std::move(scan)); },
                               [this] { ++closed; }});
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.data())) {
            qFatal("the scan dialog was not shown");
        }
    }

    // Shown, with its drive list read.
    void open(ScanRequest request = {}) {
        show(std::move(request));
        if (!QTest::qWaitFor([this] { return driveList()->isEnabled(); })) {
            qFatal("the scan dialog did not read its drives");
        }
    }

    // Holds the walk when it lists the folder at path.
    std::shared_ptr<Gate> holdAt(FakeDiscVolume& volume, std::string path) {
        auto gate = newGate();
        volume.onList = [gate, path](std::string_view listed) {
            if (listed == path) {
                gate->arrive();
            }
        };
        return gate;
    }

    // Holds the next drive read: the drive list, or the disc of a Scan command.
    std::shared_ptr<Gate> holdDriveReads() {
        auto gate = newGate();
        drives.onOpen = [gate](const std::string&) { gate->arrive(); };
        return gate;
    }

    template <typename T>
    T* child(const char* name) const {
        return test::child<T>(*dialog, name);
    }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QListWidget* driveList() const { return child<QListWidget>("driveList"); }
    QTreeWidget* tree() const { return child<QTreeWidget>("cdTree"); }
    QToolButton* scanButton() const { return child<QToolButton>("scanButton"); }
    QToolButton* saveButton() const { return child<QToolButton>("saveButton"); }
    QAction* menuItem(const char* name) const { return child<QAction>(name); }

    void click(const char* button) const {
        QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
    }
    void clickDrive(int row) const {
        QListWidget* list = driveList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
    }
    // Scan, then wait until the walk has come back to the dialog.
    bool scan() const {
        click("scanButton");
        return QTest::qWaitFor([this] { return scanButton()->isEnabled(); });
    }
    static QStringList rows(const QListWidget* list) {
        QStringList result;
        for (int i = 0; i < list->count(); ++i) {
            result.append(list->item(i)->text());
        }
        return result;
    }

private:
    std::shared_ptr<Gate> newGate() { return m_gates.emplace_back(std::make_shared<Gate>()); }

    test::TempDir m_folder;
    Windows1252 m_codePage;
    FilterLists m_lists{m_folder.path() + "/", m_codePage};
    FakeMediaTags m_mediaTags;
    std::vector<std::shared_ptr<Gate>> m_gates;

public:
    test::FakeDiscDrives drives;
    test::MemorySettings settings;
    test::ScriptedPrompt prompt;
    std::vector<SavedScan> saved;
    int closed = 0;
    // Deletes itself once it has ended and its scan thread has let go of it.
    QPointer<CDialogScan> dialog;
};

// A zip made by bsdtar holding docs/a.txt and, so that the archive passes a megabyte, big.bin
// of bytes that do not compress.
std::string zipOverAMegabyte() {
    const test::TempDir staging;
    std::filesystem::create_directories(staging.file("docs"));
    test::writeFile(staging.file("docs/a.txt"), "alpha");
    test::writeFile(staging.file("big.bin"), test::noiseBytes(1536 * 1024, 1));
    const std::string command =
        "cd '" + staging.path() + "' && bsdtar --format zip -cf old.zip docs big.bin";
    if (std::system(command.c_str()) != 0) {
        qFatal("bsdtar did not make the zip");
    }
    return test::readFile(staging.file("old.zip"));
}

// Whether the window's thread ran a timer while the gate held a drive read or a walk.
bool timerRunsWhileHeld(const Gate& gate) {
    bool fired = false;
    bool whileHeld = false;
    const QObject context;  // drops the timer should it not fire before the wait gives up
    QTimer::singleShot(0, &context, [&] {
        fired = true;
        whileHeld = gate.holding();
    });
    return QTest::qWaitFor([&] { return fired; }) && whileHeld;
}

}  // namespace

class ScanDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showsItsMenusControlsAndDrives_data() {
        QTest::addColumn<int>("filterSetting");
        QTest::addColumn<bool>("filterTicked");
        QTest::newRow("filter 1") << 1 << true;
        QTest::newRow("filter 0") << 0 << false;
        QTest::newRow("filter 2") << 2 << false;
    }

    void showsItsMenusControlsAndDrives() {
        QFETCH(int, filterSetting);
        QFETCH(bool, filterTicked);
        Fixture f;
        f.settings.writeNumber(setting::kSettingsKey, setting::kFilter,
                               static_cast<std::uint32_t>(filterSetting));
        f.drives.addDrive(backupDisc());
        f.drives.addDrive(FakeDiscVolume::noMedium());
        f.open();

        QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Scan Drives"));
        QVERIFY(!f.dialog->isModal());
        QStringList menus;
        for (QAction* menu : f.child<QMenuBar>("scanMenuBar")->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                menus.append(menu->text() + QStringLiteral(" > ") + item->text());
            }
        }
        QCOMPARE(menus, (QStringList{QStringLiteral("Operations > Start Scan"),
                                     QStringLiteral("Operations > Cancel Scan"),
                                     QStringLiteral("Operations > Close Dialog"),
                                     QStringLiteral("Filter > Show Scan Filter")}));
        QCOMPARE(f.child<QGroupBox>("drivesGroup")->title(), QStringLiteral("Drives"));
        QCOMPARE(f.child<QGroupBox>("treeGroup")->title(), QStringLiteral("CD Tree"));
        QStringList captions;
        for (const QLabel* label : f.dialog->findChildren<QLabel*>()) {
            captions.append(label->text());
        }
        for (const char* caption :
             {"Folder :", "File :", "Files :", "CD Size :", "System Info", "Disc Specific"}) {
            QVERIFY2(captions.contains(QString::fromLatin1(caption)), caption);
        }
        QCOMPARE(f.child<QToolButton>("scanButton")->toolTip(), QStringLiteral("Scan CD/DVD"));
        QCOMPARE(f.child<QToolButton>("stopButton")->toolTip(), QStringLiteral("Stop Scan"));
        QCOMPARE(f.child<QToolButton>("saveButton")->toolTip(), QStringLiteral("Save Scan"));
        for (const char* button : {"scanButton", "stopButton", "saveButton"}) {
            QVERIFY(!f.child<QToolButton>(button)->icon().isNull());
        }
        QCOMPARE(f.child<QPushButton>("closeButton")->text(), QStringLiteral("Close"));
        QCOMPARE(f.child<QPushButton>("scanImage")->text(), QStringLiteral("Scan Image..."));
        QCOMPARE(f.child<QPushButton>("virtualCd")->text(), QStringLiteral("Virtual CD"));
        QCOMPARE(f.child<QCheckBox>("enableScanFilter")->text(),
                 QStringLiteral("Enable Scan Filter"));
        QCOMPARE(f.child<QCheckBox>("enableScanFilter")->isChecked(), filterTicked);
        QCOMPARE(f.child<QCheckBox>("autoSave")->text(),
                 QStringLiteral("Automatically save database after every scan ( safer )"));
        QVERIFY(f.child<QCheckBox>("autoSave")->isChecked());

        const QProgressBar* recorded = f.child<QProgressBar>("recordedBar");
        const QProgressBar* seen = f.child<QProgressBar>("seenBar");
        const QProgressBar* folders = f.child<QProgressBar>("foldersBar");
        QCOMPARE(recorded->orientation(), Qt::Horizontal);
        QCOMPARE(recorded->maximum(), 100);
        QCOMPARE(seen->orientation(), Qt::Vertical);
        QCOMPARE(seen->maximum(), 50);
        QCOMPARE(folders->orientation(), Qt::Vertical);
        QCOMPARE(folders->maximum(), 100);

        QCOMPARE(Fixture::rows(f.driveList()),
                 (QStringList{QStringLiteral("D:\\ BACKUP"), QStringLiteral("E:\\ not ready")}));
        QVERIFY(!f.driveList()->item(0)->icon().isNull());
        QCOMPARE(f.driveList()->currentRow(), 0);
        QVERIFY(!f.saveButton()->isEnabled());
        QVERIFY(!f.child<QTimer>("preselectionTimer")->isActive());
        QVERIFY(f.prompt.messages.empty());
    }

    void aScanShowsItsWalkAndSaveHandsOverTheDisc() {
        Fixture f;
        f.drives.addDrive(backupDisc());
        f.open();
        QVERIFY(f.scan());

        QCOMPARE(f.text("folderText"), QStringLiteral("Rock"));
        QCOMPARE(f.text("fileText"), QStringLiteral("readme.txt"));
        QCOMPARE(f.text("countText"), QStringLiteral("3"));
        QCOMPARE(f.text("sizeText"), QStringLiteral("0.005 MB"));
        QCOMPARE(f.child<QProgressBar>("recordedBar")->value(), 100);
        QCOMPARE(f.child<QProgressBar>("seenBar")->value(), 50);
        QCOMPARE(f.child<QProgressBar>("foldersBar")->value(), 100);
        QCOMPARE(treeLines(f.tree()),
                 (QStringList{QStringLiteral("12 BACKUP"), QStringLiteral("\tMusic"),
                              QStringLiteral("\t\tRock")}));
        QTreeWidgetItem* root = f.tree()->topLevelItem(0);
        QCOMPARE(f.tree()->currentItem(), root);
        QVERIFY(root->isExpanded());
        QVERIFY(!root->child(0)->icon(0).isNull());
        QVERIFY(f.saveButton()->isEnabled());
        QVERIFY(f.prompt.messages.empty());

        f.click("saveButton");
        QCOMPARE(f.saved.size(), 1u);
        QCOMPARE(f.closed, 0);
        QVERIFY(!f.dialog->isVisible());
        const SavedScan& scan = f.saved.front();
        QVERIFY(scan.autoSave);
        QVERIFY(!scan.audio);
        const CQXDisc& disc = *scan.disc;
        QCOMPARE(disc.number(), std::string("12"));
        QCOMPARE(disc.name(), std::string("BACKUP"));
        QCOMPARE(disc.serial(), std::string("1234"));
        QCOMPARE(disc.location(), std::string("home"));
        QCOMPARE(disc.outline(), std::string("12 BACKUP\r\n\tMusic\r\n\t\tRock\r\n"));
        QStringList files;
        for (const auto& file : disc.files) {
            files.append(QString::fromUtf8(file.folder()) + QString::fromUtf8(file.name()) +
                         QLatin1Char(' ') + QString::fromUtf8(file.size()));
        }
        QCOMPARE(files, (QStringList{QStringLiteral("d:\\music\\a.mp3 1000"),
                                     QStringLiteral("d:\\music\\rock\\song.mp3 4000"),
                                     QStringLiteral("d:\\readme.txt 12")}));
    }

    // A folder that cannot be read leaves the disc scanned without it, and the status line
    // says so until the next scan; a disc whose root cannot be read is not scanned at all.
    void whatAWalkCannotReadIsShownAndADamagedDiscSaysWhy() {
        Fixture f;
        auto disc = backupDisc();
        disc->add("Locked/hidden.mp3", 5);
        disc->unreadableFolders.insert("Locked");
        f.drives.addDrive(disc);
        f.open();
        QVERIFY(f.scan());
        QCOMPARE(f.text("statusText"),
                 QStringLiteral("1 item could not be read and is not catalogued: d:\\locked\\"));
        QCOMPARE(f.text("countText"), QStringLiteral("3"));
        QVERIFY(f.saveButton()->isEnabled());
        QVERIFY(f.prompt.messages.empty());

        disc->unreadableFolders.insert("");
        QVERIFY(f.scan());
        QVERIFY(f.text("statusText").isEmpty());
        QCOMPARE(f.prompt.messages,
                 std::vector<std::string>{
                     "The disc cannot be scanned: its root folder cannot be read."});
        QCOMPARE(f.tree()->topLevelItemCount(), 0);
        f.click("saveButton");
        QVERIFY(f.saved.empty());
        QCOMPARE(f.prompt.messages.back(), std::string("Please, scan the CD first."));
    }

    // The dialog follows a running walk: what was walked so far is shown while it goes on.
    void aRunningWalkIsShownAsItGoes() {
        Fixture f;
        auto disc = f.drives.addDrive(backupDisc());
        auto gate = f.holdAt(*disc, "Music/Rock");
        f.open();
        f.click("scanButton");
        QTRY_VERIFY(gate->reached());
        QTRY_COMPARE(treeLines(f.tree()),
                     (QStringList{QStringLiteral("12 BACKUP"), QStringLiteral("\tMusic"),
                                  QStringLiteral("\t\tRock")}));
        QTRY_COMPARE(f.text("countText"), QStringLiteral("1"));
        QCOMPARE(f.text("fileText"), QStringLiteral("a.mp3"));
        QCOMPARE(f.text("folderText"), QStringLiteral("Rock"));
        // Only Stop, Close and the automatic save are left to the user while the walk runs.
        QVERIFY(!f.scanButton()->isEnabled());
        QVERIFY(!f.menuItem("startScan")->isEnabled());
        QVERIFY(!f.saveButton()->isEnabled());
        QVERIFY(!f.driveList()->isEnabled());
        QVERIFY(!f.child<QCheckBox>("enableScanFilter")->isEnabled());
        QVERIFY(!f.menuItem("showScanFilter")->isEnabled());
        QVERIFY(f.child<QToolButton>("stopButton")->isEnabled());
        QVERIFY(f.child<QPushButton>("closeButton")->isEnabled());
        QVERIFY(f.child<QCheckBox>("autoSave")->isEnabled());

        gate->release();
        QTRY_VERIFY(f.scanButton()->isEnabled());
        QCOMPARE(f.text("countText"), QStringLiteral("3"));
    }

    void stopEndsTheWalkAndLeavesNothingToSave_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Stop Scan") << false;
        QTest::newRow("Cancel Scan") << true;
    }

    void stopEndsTheWalkAndLeavesNothingToSave() {
        QFETCH(bool, fromMenu);
        Fixture f;
        auto first = f.drives.addDrive(backupDisc());
        auto second = f.drives.addDrive(backupDisc(99));
        auto gate = f.holdAt(*second, "Music");
        f.open();
        f.clickDrive(1);
        f.click("scanButton");
        QTRY_VERIFY(gate->reached());
        if (fromMenu) {
            f.menuItem("cancelScan")->trigger();
        } else {
            f.click("stopButton");
        }
        QCOMPARE(f.tree()->topLevelItemCount(), 0);
        // The first drive is the one to scan again.
        QCOMPARE(f.driveList()->currentRow(), 0);
        gate->release();
        QTRY_VERIFY(f.scanButton()->isEnabled());

        QCOMPARE(texts(second->listedPaths), (QStringList{QString(), QStringLiteral("Music")}));
        QCOMPARE(f.tree()->topLevelItemCount(), 0);
        QVERIFY(f.text("countText").isEmpty());
        // The bars show where the walk stopped: a.mp3 recorded, the folder Music left.
        QCOMPARE(f.child<QProgressBar>("recordedBar")->value(), 1);
        QCOMPARE(f.child<QProgressBar>("seenBar")->value(), 1);
        QCOMPARE(f.child<QProgressBar>("foldersBar")->value(), 1);
        QVERIFY(f.saveButton()->isEnabled());
        f.click("saveButton");
        QCOMPARE(texts(f.prompt.messages), QStringList{kScanFirst});
        QVERIFY(f.saved.empty());
        QVERIFY(f.dialog->isVisible());

        QVERIFY(f.scan());
        QCOMPARE(first->listedPaths.size(), 3u);
        QCOMPARE(f.tree()->topLevelItem(0)->text(0), QStringLiteral("12 BACKUP"));
    }

    void closeDuringAWalkEndsTheDialogAtOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close") << QStringLiteral("button");
        QTest::newRow("Close Dialog") << QStringLiteral("menu");
        QTest::newRow("close box") << QStringLiteral("close box");
        QTest::newRow("Escape") << QStringLiteral("escape");
    }

    void closeDuringAWalkEndsTheDialogAtOnce() {
        QFETCH(QString, how);
        Fixture f;
        auto disc = f.drives.addDrive(backupDisc());
        auto gate = f.holdAt(*disc, "Music");
        f.open();
        f.click("scanButton");
        QTRY_VERIFY(gate->reached());
        if (how == QStringLiteral("button")) {
            f.click("closeButton");
        } else if (how == QStringLiteral("menu")) {
            f.menuItem("closeDialog")->trigger();
        } else if (how == QStringLiteral("close box")) {
            QVERIFY(f.dialog->close());
        } else {
            QTest::keyClick(f.dialog.data(), Qt::Key_Escape);
        }
        QCOMPARE(f.closed, 1);
        QVERIFY(!f.dialog->isVisible());
        QVERIFY(f.saved.empty());

        // Nothing waits for the walk: the window goes on, and the dialog stays until the walk
        // has let go of it.
        QVERIFY(timerRunsWhileHeld(*gate));
        QVERIFY(!f.dialog.isNull());
        // The walk ends with the entry in hand, and then the dialog goes by itself.
        gate->release();
        QTRY_VERIFY(f.dialog.isNull());
        QCOMPARE(texts(disc->listedPaths), (QStringList{QString(), QStringLiteral("Music")}));
        QCOMPARE(f.closed, 1);
    }

    void aDialogClosedWhileIdleSaysSoOnce() {
        Fixture f;
        f.drives.addDrive(backupDisc());
        f.open();
        QVERIFY(f.scan());
        f.click("closeButton");
        f.dialog->close();
        QCOMPARE(f.closed, 1);
        QVERIFY(f.saved.empty());
        QTRY_VERIFY(f.dialog.isNull());
    }

    // The drive list is read on the scan thread; the window goes on meanwhile.
    void theDriveListIsReadAwayFromTheWindow() {
        Fixture f;
        f.drives.addDrive(backupDisc());
        auto gate = f.holdDriveReads();
        f.show();
        QTRY_VERIFY(gate->reached());
        QVERIFY(timerRunsWhileHeld(*gate));
        QCOMPARE(f.text("statusText"), QStringLiteral("Reading the disc..."));
        QCOMPARE(f.driveList()->count(), 0);
        QVERIFY(!f.scanButton()->isEnabled());
        QVERIFY(!f.child<QPushButton>("scanImage")->isEnabled());
        QVERIFY(f.child<QPushButton>("closeButton")->isEnabled());

        gate->release();
        QTRY_COMPARE(Fixture::rows(f.driveList()), QStringList{QStringLiteral("D:\\ BACKUP")});
        QCOMPARE(f.driveList()->currentRow(), 0);
        QVERIFY(f.text("statusText").isEmpty());
        QVERIFY(f.scanButton()->isEnabled());
    }

    void theDiscOfAScanIsReadAwayFromTheWindow_data() {
        QTest::addColumn<QString>("then");
        QTest::newRow("read") << QStringLiteral("read");
        QTest::newRow("Stop") << QStringLiteral("stop");
        QTest::newRow("Close") << QStringLiteral("close");
    }

    // Its readiness and its label and serial are read on the scan thread; Stop and Close drop
    // the command meanwhile without waiting for the drive.
    void theDiscOfAScanIsReadAwayFromTheWindow() {
        QFETCH(QString, then);
        Fixture f;
        auto disc = f.drives.addDrive(backupDisc());
        f.open();
        auto gate = f.holdDriveReads();
        f.click("scanButton");
        QTRY_VERIFY(gate->reached());
        QVERIFY(timerRunsWhileHeld(*gate));
        QCOMPARE(f.text("statusText"), QStringLiteral("Reading the disc..."));
        QVERIFY(!f.scanButton()->isEnabled());
        QVERIFY(!f.saveButton()->isEnabled());
        if (then == QStringLiteral("stop")) {
            f.click("stopButton");
        } else if (then == QStringLiteral("close")) {
            f.click("closeButton");
            QCOMPARE(f.closed, 1);
        }
        QVERIFY(!f.dialog.isNull());

        gate->release();
        if (then == QStringLiteral("close")) {
            QTRY_VERIFY(f.dialog.isNull());
            QVERIFY(disc->listedPaths.empty());
            return;
        }
        QTRY_VERIFY(f.scanButton()->isEnabled());
        QVERIFY(f.text("statusText").isEmpty());
        if (then == QStringLiteral("stop")) {
            QVERIFY(disc->listedPaths.empty());
            QVERIFY(f.saveButton()->isEnabled());
            f.click("saveButton");
            QCOMPARE(texts(f.prompt.messages), QStringList{kScanFirst});
        } else {
            QCOMPARE(f.text("countText"), QStringLiteral("3"));
            QVERIFY(f.prompt.messages.empty());
        }
    }

    void refusedScansSayWhyAndLeaveNothingToSave_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("no drive") << QStringLiteral("no drive")
                                  << QStringLiteral(
                                         "Please, select one of your CD/DVD drives and then "
                                         "click on the scan button!");
        QTest::newRow("no medium")
            << QStringLiteral("no medium") << QStringLiteral("CD drive not ready!");
        QTest::newRow("same serial")
            << QStringLiteral("same serial")
            << QStringLiteral("You already have a CD with the same serial number!");
    }

    // A refused scan after a completed one: Save is enabled, and refuses all the same.
    void refusedScansSayWhyAndLeaveNothingToSave() {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        Fixture f;
        ScanRequest request;
        request.knownSerials = {"7", "-392039741"};
        std::shared_ptr<FakeDiscVolume> refused;
        if (situation == QStringLiteral("no medium")) {
            f.drives.addDrive(backupDisc());
            refused = f.drives.addDrive(FakeDiscVolume::noMedium());
        } else if (situation == QStringLiteral("same serial")) {
            f.drives.addDrive(backupDisc());
            refused = f.drives.addDrive(backupDisc(3902927555u));
        }
        f.open(request);
        if (refused) {
            QVERIFY(f.scan());
            QVERIFY(f.prompt.messages.empty());
            f.clickDrive(1);
        }
        f.menuItem("startScan")->trigger();
        QTRY_COMPARE(texts(f.prompt.messages), QStringList{message});
        if (refused) {
            QVERIFY(refused->listedPaths.empty());
        }
        QTRY_VERIFY(f.saveButton()->isEnabled());
        f.click("saveButton");
        QCOMPARE(texts(f.prompt.messages), (QStringList{message, kScanFirst}));
        QVERIFY(f.saved.empty());
    }

    void thePreselectedDriveIsScannedOnceByItself_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("by the timer") << QStringLiteral("timer");
        QTest::newRow("user first") << QStringLiteral("user");
        QTest::newRow("after a slow drive list") << QStringLiteral("slow list");
    }

    void thePreselectedDriveIsScannedOnceByItself() {
        QFETCH(QString, how);
        Fixture f;
        auto first = f.drives.addDrive(backupDisc());
        auto second = f.drives.addDrive(backupDisc(99));
        ScanRequest request;
        request.preselectedDrive = "E:\\";
        QTimer* timer = nullptr;
        if (how == QStringLiteral("slow list")) {
            // The timer comes while the drive list is still being read; the scan follows it.
            auto gate = f.holdDriveReads();
            f.show(request);
            timer = f.child<QTimer>("preselectionTimer");
            QTRY_VERIFY(!timer->isActive());
            QVERIFY(gate->holding());
            QVERIFY(second->listedPaths.empty());
            gate->release();
        } else {
            f.open(request);
            timer = f.child<QTimer>("preselectionTimer");
        }
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 300);
        if (how == QStringLiteral("user")) {
            QVERIFY(timer->isActive());
            f.click("scanButton");
        }
        QTRY_VERIFY(!timer->isActive());
        QTRY_COMPARE(f.text("countText"), QStringLiteral("3"));
        QTRY_VERIFY(f.scanButton()->isEnabled());
        QCOMPARE(f.driveList()->currentRow(), 1);
        QVERIFY(first->listedPaths.empty());
        QCOMPARE(second->listedPaths.size(), 3u);
    }

    void anImageBecomesADriveOfItsOwn() {
        Fixture f;
        f.drives.addDrive(backupDisc());
        auto image = std::make_shared<FakeDiscVolume>(FakeDiscVolume{{"setup.exe", 10}});
        image->setIdentity("IMAGE", 5);
        f.drives.provide("/discs/a.iso", image);
        f.open();

        f.click("scanImage");
        QCOMPARE(f.prompt.fileRequests.size(), 1u);
        QCOMPARE(toQtFilter(f.prompt.fileRequests.back().filter),
                 QStringLiteral("Disc Images (*.iso *.cue *.bin);;All Files (*.*)"));
        QCOMPARE(f.driveList()->count(), 1);

        f.prompt.files = {"/discs/a.iso"};
        f.click("scanImage");
        QTRY_COMPARE(Fixture::rows(f.driveList()),
                     (QStringList{QStringLiteral("D:\\ BACKUP"), QStringLiteral("E:\\ IMAGE")}));
        QCOMPARE(f.driveList()->currentRow(), 1);
        QVERIFY(!f.driveList()->item(1)->icon().isNull());
        QVERIFY(f.scan());
        f.click("saveButton");
        QCOMPARE(f.saved.size(), 1u);
        QCOMPARE(f.saved.front().disc->name(), std::string("IMAGE"));
        QCOMPARE(f.saved.front().disc->files.front().folder(), std::string_view("e:\\"));
    }

    void aFolderChosenAsVirtualCdIsScannedAsADisc() {
        Fixture f;
        test::TempDir folder;
        f.drives.provide(folder.path(),
                         std::make_shared<FakeDiscVolume>(FakeDiscVolume{{"Photos/one.jpg", 300}}));
        f.open();
        QVERIFY(f.prompt.fileRequests.empty());
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (chooser == nullptr) {
                qFatal("no folder chooser");
            }
            QCOMPARE(chooser->fileMode(), QFileDialog::Directory);
            chooser->setDirectory(QString::fromStdString(folder.path()));
            static_cast<QDialog*>(chooser)->accept();
            chosen = true;
        });
        f.click("virtualCd");
        QVERIFY(chosen);
        QTRY_COMPARE(f.driveList()->count(), 1);
        QCOMPARE(f.driveList()->currentRow(), 0);
        QVERIFY(f.driveList()->item(0)->text().startsWith(QStringLiteral("D:\\ ")));

        QVERIFY(f.scan());
        QCOMPARE(f.tree()->topLevelItem(0)->text(0), QStringLiteral("12 VirtCD"));
        f.click("saveButton");
        QCOMPARE(f.saved.size(), 1u);
        QCOMPARE(f.saved.front().disc->name(), std::string("VirtCD"));
        QCOMPARE(f.saved.front().disc->location(), std::string("virtual"));
    }

    void theFilterWindowOpensAfterAWalkThatDetectedExtensions() {
        Fixture f("mp3\r\n", "");
        f.settings.writeNumber(setting::kSettingsKey, setting::kFilter, 1);
        auto disc = std::make_shared<FakeDiscVolume>(
            FakeDiscVolume{{"a.mp3", 1}, {"b.doc", 2}, {"c.nfo", 3}});
        f.drives.addDrive(disc);
        f.open();
        QVERIFY(f.scan());
        QCOMPARE(f.text("countText"), QStringLiteral("1"));
        auto* filter = f.dialog->findChild<ScanFilterDialog*>();
        QVERIFY(filter != nullptr);
        QTRY_VERIFY(filter->isVisible());
        QTreeWidget* detected = test::child<QTreeWidget>(*filter, "detectedExtensions");
        QCOMPARE(detected->topLevelItemCount(), 2);

        // The next walk refills what the window edits, so it goes; a new one comes after.
        QPointer<ScanFilterDialog> old(filter);
        f.click("scanButton");
        QVERIFY(old.isNull());
        QTRY_VERIFY(f.scanButton()->isEnabled());
        QCOMPARE(f.dialog->findChildren<ScanFilterDialog*>().size(), 1);

        // Show Scan Filter opens it again, one window at a time.
        f.menuItem("showScanFilter")->trigger();
        const auto windows = f.dialog->findChildren<ScanFilterDialog*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front()->isVisible());
        QVERIFY(f.prompt.messages.empty());
    }

    void theCheckBoxesSwitchTheFilterAndTheAutomaticSave() {
        Fixture f("mp3\r\n", "");
        f.drives.addDrive(
            std::make_shared<FakeDiscVolume>(FakeDiscVolume{{"a.mp3", 1}, {"b.txt", 2}}));
        f.open();
        auto* filterBox = f.child<QCheckBox>("enableScanFilter");
        auto* autoSaveBox = f.child<QCheckBox>("autoSave");
        QVERIFY(!filterBox->isChecked());
        QVERIFY(f.scan());
        QCOMPARE(f.text("countText"), QStringLiteral("2"));

        filterBox->click();
        QVERIFY(f.scan());
        QCOMPARE(f.text("countText"), QStringLiteral("1"));
        // The switch holds for this dialog only.
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kFilter), 0u);

        autoSaveBox->click();
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kAutoSave), 0u);
        autoSaveBox->click();
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kAutoSave), 1u);
        autoSaveBox->click();
        f.click("saveButton");
        QCOMPARE(f.saved.size(), 1u);
        QVERIFY(!f.saved.front().autoSave);
        QCOMPARE(f.saved.front().disc->files.size(), 1u);
    }

    void theArchiveBoxListsArchivesUpToTheLimitAndKeepsBothSettings() {
        Fixture f;
        const std::string zip = zipOverAMegabyte();
        auto disc =
            std::make_shared<FakeDiscVolume>(FakeDiscVolume{{"Backup/Old.zip", zip.size()}});
        disc->contents["Backup/Old.zip"] = zip;
        disc->setIdentity("BACKUP", 7);
        f.drives.addDrive(disc);
        f.open();
        auto* box = f.child<QCheckBox>("listArchives");
        auto* limit = f.child<QSpinBox>("archiveLimit");
        QCOMPARE(box->text(), QStringLiteral("List the contents of archives"));
        QVERIFY(!box->isChecked());
        QCOMPARE(limit->value(), 4096);

        QVERIFY(f.scan());
        QCOMPARE(treeLines(f.tree()),
                 (QStringList{QStringLiteral("12 BACKUP"), QStringLiteral("\tBackup")}));
        QCOMPARE(f.text("countText"), QStringLiteral("1"));

        box->click();
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kListArchives), 1u);
        QVERIFY(f.scan());
        QCOMPARE(treeLines(f.tree()),
                 (QStringList{QStringLiteral("12 BACKUP"), QStringLiteral("\tBackup"),
                              QStringLiteral("\t\tOld.zip"), QStringLiteral("\t\t\tdocs")}));
        QCOMPARE(f.text("countText"), QStringLiteral("3"));
        QCOMPARE(f.text("statusText"), QString());

        // Under the archive's size the limit keeps it a file, and the status line says so.
        limit->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(limit, QStringLiteral("1"));
        QTest::keyClick(limit, Qt::Key_Return);
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kArchiveLimit), 1u);
        QVERIFY(f.scan());
        QCOMPARE(treeLines(f.tree()),
                 (QStringList{QStringLiteral("12 BACKUP"), QStringLiteral("\tBackup")}));
        QCOMPARE(f.text("statusText"),
                 QStringLiteral("1 archive could not be listed and is catalogued as a file: "
                                "d:\\backup\\Old.zip"));
        f.click("saveButton");
        QCOMPARE(f.saved.size(), 1u);
        QCOMPARE(f.saved.front().disc->files.size(), 1u);

        // A dialog opened later starts from what was stored.
        Fixture g;
        g.settings.writeNumber(setting::kSettingsKey, setting::kListArchives, 1);
        g.settings.writeNumber(setting::kSettingsKey, setting::kArchiveLimit, 12);
        g.open();
        QVERIFY(g.child<QCheckBox>("listArchives")->isChecked());
        QCOMPARE(g.child<QSpinBox>("archiveLimit")->value(), 12);
        g.child<QCheckBox>("listArchives")->click();
        QCOMPARE(g.settings.readNumber(setting::kSettingsKey, setting::kListArchives), 0u);
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::ScanDialogTest)
#include "scan_dialog_test.moc"
