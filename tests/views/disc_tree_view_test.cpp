#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTreeView>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "core/disc_info.h"
#include "online/ui/dialog_cd_info.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/quiet_panes.h"
#include "support/widget_lookup.h"
#include "views/left_view.h"

namespace vorlix {

namespace {

using test::child;
using test::DocumentRig;

// The file list as the tree drives it: records what it is asked to show.
struct FakeFileList final : Pane, FileListPane {
    explicit FakeFileList(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~FakeFileList() override { document.removePane(*this); }

    std::string_view paneClassName() const override { return kQX2ViewClass; }
    void runCommand(PaneCommand) override {}
    void showFolder(const std::string& itemPath) override { shown.push_back(itemPath); }
    void clear() override { ++clears; }
    void highlightEntry(const CQXFileData& entry) override { highlighted.push_back(&entry); }
    std::vector<CQXFileData*> selectedEntries() const override { return {}; }
    void showCatalogue() override {}
    void openSelectedFile() override {}

    CQX2Doc& document;
    std::vector<std::string> shown;
    int clears = 0;
    std::vector<const CQXFileData*> highlighted;
};

// The commands panel as the tree drives it: counts its refreshes and keeps the commands the
// document passed on to it.
struct FakeCommands final : test::QuietCommandsPane {
    explicit FakeCommands(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~FakeCommands() override { document.removePane(*this); }

    void runCommand(PaneCommand command) override { commands.push_back(command); }
    void refreshDiscFields() override { ++fieldRefreshes; }
    void refreshStatus() override { ++statusRefreshes; }

    CQX2Doc& document;
    std::vector<PaneCommand> commands;
    int fieldRefreshes = 0;
    int statusRefreshes = 0;
};

std::unique_ptr<CQXDisc> makeDisc(const std::string& number, const std::string& name,
                                  const std::string& shared, const std::string& folders,
                                  std::vector<std::string> categories) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName(name);
    disc->setShared(shared);
    disc->setLocation("home");
    disc->setOutline(number + " " + name + "\r\n" + folders);
    disc->setCategories(TextList(categories));
    disc->setOwnerName(DocumentRig::anna().logName);
    disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
    return disc;
}

// Four discs owned by anna; disc 2 is not shared, disc 12 holds a folder named like disc 2001.
CQXCatalog catalogue() {
    CQXCatalog result;
    result.addDefaultNamedObjects();
    auto backup = makeDisc("1", "BACKUP", "Yes",
                           "\tDocs\r\n\t\tOld\r\n\t\t\tletters\r\n\tmusic\r\n", {"Software"});
    backup->files.emplace_back("readme.txt", "d:\\", "10", "d:");
    backup->files.emplace_back("Budget.xls", "d:\\docs\\", "48128", "d:");
    backup->files.emplace_back("Letter.doc", "d:\\docs\\old\\letters\\", "2048", "d:");
    result.appendDisc(std::move(backup));
    result.appendDisc(makeDisc("2", "PRIVATE", "No", "\tphotos\r\n", {"Audio"}));
    result.appendDisc(makeDisc("12", "SUMMER", "Yes", "\t2001\r\n", {"Audio", "Movie"}));
    result.appendDisc(makeDisc("2001", "ODYSSEY", "Yes", "\tspace\r\n", {}));
    result.named.set("CD12", ByteArray{{1, 2, 3}});
    return result;
}

CQXCatalog oneDisc() {
    CQXCatalog result;
    result.appendDisc(makeDisc("1", "ONLY", "Yes", "\tdocs\r\n", {}));
    return result;
}

const std::vector<std::uint8_t>* cover(CQX2Doc& document, const std::string& number) {
    const NamedObject* object = document.catalogue().named.find("CD" + number);
    return object == nullptr ? nullptr : &std::get<ByteArray>(*object).bytes;
}

// A disc tree on a loaded catalogue, shown, with fake neighbours registered before it.
struct TreeSetup {
    explicit TreeSetup(CQXCatalog loaded, Identity user = DocumentRig::anna(),
                       bool largeIcons = false)
        : rig(std::move(user)) {
        rig.load(std::move(loaded));
        rig.settings
            .numbers[{std::string(setting::kSettingsKey), std::string(setting::kLargeTreeIcons)}] =
            largeIcons ? 1 : 0;
        view = std::make_unique<CLeftView>(rig.document, services);
        tree = child<QTreeView>(*view, "discTree");
        tester = std::make_unique<QAbstractItemModelTester>(
            tree->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        view->resize(320, 480);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get())) {
            qFatal("the disc tree was not shown");
        }
    }

    QAbstractItemModel& model() const { return *tree->model(); }

    QStringList texts(const QModelIndex& parent = {}) const {
        QStringList result;
        for (int row = 0; row < model().rowCount(parent); ++row) {
            result << model().index(row, 0, parent).data().toString();
        }
        return result;
    }

    // The item reached by these texts from the top level; fails the test when there is none.
    QModelIndex item(const QStringList& path) const {
        QModelIndex found;
        for (const QString& text : path) {
            const QModelIndexList match = model().match(model().index(0, 0, found), Qt::DisplayRole,
                                                        text, 1, Qt::MatchExactly);
            if (match.isEmpty()) {
                qFatal("no item %s", qPrintable(path.join(QLatin1Char('\\'))));
            }
            found = match.front();
        }
        return found;
    }

    QString selectedText() const {
        const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QString() : selected.front().data().toString();
    }

    // Clicks the item's icon as the user does, opening its ancestors first.
    void click(const QStringList& path, Qt::MouseButton button = Qt::LeftButton) const {
        const QModelIndex target = item(path);
        for (QModelIndex up = target.parent(); up.isValid(); up = up.parent()) {
            tree->expand(up);
        }
        tree->scrollTo(target);
        const QRect rect = tree->visualRect(target);
        const QPoint onIcon(rect.left() + tree->iconSize().width() / 2 + 2, rect.center().y());
        QTest::mouseClick(tree->viewport(), button, {}, onIcon);
    }

    QMenu* menu() const { return view->findChild<QMenu*>(QStringLiteral("Tree")); }

    // Opens the context menu on the item and triggers the entry with that text.
    void runMenu(const QStringList& path, const QString& entry) const {
        click(path, Qt::RightButton);
        QMenu* opened = menu();
        QVERIFY(opened != nullptr);
        QVERIFY(opened->isVisible());
        for (QAction* action : opened->actions()) {
            if (action->text() == entry) {
                opened->hide();
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no menu entry ") + entry));
    }

    // Edits the disc's label as the user does: F2, type, then Return or Escape.
    void editLabel(const QStringList& path, const QString& typed, bool confirm = true) const {
        click(path);
        QTest::keyClick(tree, Qt::Key_F2);
        auto* editor = tree->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, confirm ? Qt::Key_Return : Qt::Key_Escape);
        // The delegate ends a confirmed edit through the event loop.
        QCoreApplication::processEvents();
    }

    DocumentRig rig;
    test::FakeDiscDrives drives;
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    FakeFileList files{rig.document};
    FakeCommands commands{rig.document};
    std::unique_ptr<CLeftView> view;
    QTreeView* tree = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QStringList path(std::initializer_list<const char*> texts) {
    QStringList result;
    for (const char* text : texts) {
        result << QString::fromUtf8(text);
    }
    return result;
}

}  // namespace

class DiscTreeViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void fillShowsEveryDiscWithFoldersNestedInOutlineOrder() {
        TreeSetup setup(catalogue());
        QCOMPARE(setup.texts(), path({"1 BACKUP", "2 PRIVATE", "12 SUMMER", "2001 ODYSSEY"}));
        QCOMPARE(setup.texts(setup.item(path({"1 BACKUP"}))), path({"Docs", "music"}));
        QCOMPARE(setup.texts(setup.item(path({"1 BACKUP", "Docs"}))), path({"Old"}));
        QCOMPARE(setup.texts(setup.item(path({"1 BACKUP", "Docs", "Old"}))), path({"letters"}));
        QCOMPARE(setup.model().rowCount(setup.item(path({"1 BACKUP", "Docs", "Old", "letters"}))),
                 0);
        QCOMPARE(setup.texts(setup.item(path({"12 SUMMER"}))), path({"2001"}));
        QVERIFY(setup.selectedText().isEmpty());
        QVERIFY(setup.files.shown.empty());

        const auto iconOf = [&setup](const char* text) {
            return setup.item(path({text})).data(Qt::DecorationRole).value<QIcon>().cacheKey();
        };
        QCOMPARE(iconOf("1 BACKUP"), iconOf("12 SUMMER"));
        QVERIFY(iconOf("1 BACKUP") != iconOf("2 PRIVATE"));
    }

    void onlyTheFirstFillOffersTheTreeCatalogueForSharing() {
        TreeSetup setup(catalogue());
        QCOMPARE(setup.rig.publisher.treeDiscCounts, std::vector<std::size_t>{4});
        setup.view->fill();
        setup.view->rebuildByCategories();
        QCOMPARE(setup.rig.publisher.treeDiscCounts, std::vector<std::size_t>{4});
    }

    void iconSizeFollowsTheSettingAndTheViewCommands() {
        TreeSetup setup(catalogue(), DocumentRig::anna(), true);
        QCOMPARE(setup.tree->iconSize(), QSize(24, 24));
        QVERIFY(setup.rig.document.treeLargeIcons());
        QVERIFY(!setup.rig.document.commandEnabled(PaneCommand::TreeLargeIcons));

        setup.rig.document.onCommand(PaneCommand::TreeSmallIcons);
        QCOMPARE(setup.tree->iconSize(), QSize(16, 16));
        const auto stored = [&setup] {
            return setup.rig.settings.readNumber(setting::kSettingsKey, setting::kLargeTreeIcons);
        };
        QCOMPARE(stored(), 0u);
        setup.rig.document.onCommand(PaneCommand::TreeLargeIcons);
        QCOMPARE(setup.tree->iconSize(), QSize(24, 24));
        QCOMPARE(stored(), 1u);
        const QIcon disc = setup.item(path({"1 BACKUP"})).data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(disc.availableSizes().value(0), QSize(24, 24));
    }

    void selectingAnItemMakesItsDiscCurrentAndShowsItsFolder() {
        TreeSetup setup(catalogue());
        setup.click(path({"12 SUMMER"}));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("12"));
        QCOMPARE(setup.files.shown.back(), std::string("12 SUMMER"));
        QCOMPARE(setup.commands.fieldRefreshes, 1);

        // A folder named like another disc's number still belongs to its own disc.
        setup.click(path({"12 SUMMER", "2001"}));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("12"));
        QCOMPARE(setup.files.shown.back(), std::string("12 SUMMER\\2001"));

        setup.click(path({"1 BACKUP", "Docs", "Old", "letters"}));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("1"));
        QCOMPARE(setup.rig.document.currentDisc().files.size(), std::size_t{3});
        QCOMPARE(setup.rig.document.currentDisc().files.front(),
                 &setup.rig.document.catalogue().discs.front()->files.front());
        QCOMPARE(setup.files.shown.back(), std::string("1 BACKUP\\Docs\\Old\\letters"));
        QCOMPARE(setup.view->selectedItemPath(), std::string("1 BACKUP\\Docs\\Old\\letters"));
        QCOMPARE(discTree(setup.rig.document), static_cast<DiscTreePane*>(setup.view.get()));
    }

    void labelEditChangesTheNameButNeverTheNumber() {
        TreeSetup setup(catalogue());
        setup.editLabel(path({"12 SUMMER"}), QStringLiteral("7 Holidays"));
        QCOMPARE(setup.texts().value(2), QStringLiteral("12 Holidays"));
        const CQXDisc& disc = *setup.rig.document.catalogue().findDisc("12");
        QCOMPARE(disc.name(), std::string("Holidays"));
        QCOMPARE(disc.outline(), std::string("12 Holidays\r\n\t2001\r\n"));
        QCOMPARE(setup.rig.document.currentDisc().name(), std::string("Holidays"));
        QVERIFY(setup.rig.document.isModified());
        QCOMPARE(setup.commands.fieldRefreshes, 2);

        setup.editLabel(path({"12 Holidays"}), QStringLiteral("Winter"), false);
        QCOMPARE(setup.texts().value(2), QStringLiteral("12 Holidays"));
        QCOMPARE(disc.name(), std::string("Holidays"));
    }

    void labelsOfFoldersCannotBeEdited() {
        TreeSetup setup(catalogue());
        setup.click(path({"12 SUMMER", "2001"}));
        QTest::keyClick(setup.tree, Qt::Key_F2);
        QVERIFY(setup.tree->viewport()->findChild<QLineEdit*>() == nullptr);
    }

    void labelEditByAnotherUserIsRefused() {
        CQXCatalog shared = catalogue();
        TreeSetup setup(std::move(shared), {"bob", "x"});
        setup.editLabel(path({"12 SUMMER"}), QStringLiteral("Mine"));
        QCOMPARE(setup.rig.prompt.messages,
                 std::vector<std::string>{"Operation not allowed! Logged in as : bob"});
        QCOMPARE(setup.rig.document.catalogue().findDisc("12")->name(), std::string("SUMMER"));
        QCOMPARE(setup.texts().value(1), QStringLiteral("12 SUMMER"));
        QVERIFY(!setup.rig.document.isModified());
    }

    void resetCddbMediaTagLetsTheNextBatchTakeTheDisc() {
        CQXCatalog loaded = catalogue();
        const std::string scanned = disc_info::scannedAudioRecord("13025803 3 150 13650 30150 602");
        loaded.findDisc("12")->setInfo(*disc_info::setFreedbState(scanned, true));
        TreeSetup setup(std::move(loaded));
        setup.runMenu(path({"12 SUMMER"}), QStringLiteral("Reset CDDB Media Tag"));
        QCOMPARE(std::string(setup.rig.document.catalogue().findDisc("12")->info()), scanned);
        QCOMPARE(std::string(setup.rig.document.currentDisc().info()), scanned);
        QVERIFY(setup.rig.document.isModified());

        setup.runMenu(path({"1 BACKUP"}), QStringLiteral("Reset CDDB Media Tag"));
        QCOMPARE(
            setup.rig.prompt.messages.back(),
            std::string("This CD doesn't have a media tag. Please scan it anew and try again."));
    }

    void cdInfoShowsTheSelectedDiscAndFollowsTheSelection() {
        TreeSetup setup(catalogue());
        auto* info = setup.view->findChild<CDialogCdInfo*>();
        QVERIFY(info != nullptr);
        QVERIFY(!info->isVisible());
        setup.runMenu(path({"12 SUMMER"}), QStringLiteral("CD Info"));
        QVERIFY(info->isVisible());
        QCOMPARE(child<QLabel>(*info, "name")->text(), QStringLiteral("SUMMER"));
        setup.click(path({"1 BACKUP"}));
        QCOMPARE(child<QLabel>(*info, "name")->text(), QStringLiteral("BACKUP"));
        info->hide();
    }

    void renumberingMovesTheDiscAndItsCover() {
        TreeSetup setup(catalogue());
        setup.click(path({"12 SUMMER"}));
        setup.view->renameDisc("15", "SUMMER");
        QCOMPARE(setup.texts(), path({"1 BACKUP", "2 PRIVATE", "15 SUMMER", "2001 ODYSSEY"}));
        QCOMPARE(setup.selectedText(), QStringLiteral("15 SUMMER"));
        QCOMPARE(setup.texts(setup.item(path({"15 SUMMER"}))), path({"2001"}));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("15"));
        QCOMPARE(setup.rig.document.catalogue().findDisc("15")->outline(),
                 std::string("15 SUMMER\r\n\t2001\r\n"));
        QVERIFY(cover(setup.rig.document, "15") != nullptr);
        QCOMPARE(*cover(setup.rig.document, "15"), (std::vector<std::uint8_t>{1, 2, 3}));
        QVERIFY(cover(setup.rig.document, "12") != nullptr);
        QVERIFY(setup.rig.document.isModified());

        setup.click(path({"2001 ODYSSEY"}));
        setup.view->renameDisc("5", "SPACE");
        QCOMPARE(setup.texts(), path({"1 BACKUP", "2 PRIVATE", "5 SPACE", "15 SUMMER"}));
        QVERIFY(cover(setup.rig.document, "5") == nullptr);

        setup.click(path({"15 SUMMER"}));
        setup.view->renameDisc("0", "");
        QCOMPARE(setup.texts(), path({"0 SUMMER", "1 BACKUP", "2 PRIVATE", "5 SPACE"}));
        QCOMPARE(setup.selectedText(), QStringLiteral("0 SUMMER"));
        std::vector<std::string> order;
        for (const auto& disc : setup.rig.document.catalogue().discs) {
            order.emplace_back(disc->number());
        }
        QCOMPARE(order, (std::vector<std::string>{"0", "1", "2", "5"}));
        QVERIFY(setup.rig.prompt.messages.empty());
    }

    void renumberingTheOnlyDiscKeepsItsPlace() {
        TreeSetup setup(oneDisc());
        setup.click(path({"1 ONLY"}));
        setup.view->renameDisc("15", "ONLY");
        QCOMPARE(setup.texts(), path({"15 ONLY"}));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("15"));
        QVERIFY(cover(setup.rig.document, "15") != nullptr);
        QVERIFY(cover(setup.rig.document, "15")->empty());
    }

    void renumberingToATakenNumberOnlyRenames() {
        TreeSetup setup(catalogue());
        setup.click(path({"12 SUMMER"}));
        setup.view->renameDisc("2", "WINTER");
        QCOMPARE(setup.texts(), path({"1 BACKUP", "2 PRIVATE", "12 WINTER", "2001 ODYSSEY"}));
        QCOMPARE(setup.rig.document.catalogue().findDisc("12")->name(), std::string("WINTER"));
        QCOMPARE(setup.rig.document.catalogue().findDisc("2")->name(), std::string("PRIVATE"));
        QCOMPARE(setup.rig.document.currentDisc().name(), std::string("WINTER"));
        QVERIFY(setup.rig.prompt.messages.empty());
    }

    void anotherUserSeesOnlySharedDiscs() {
        TreeSetup setup(catalogue(), {"bob", "x"});
        QCOMPARE(setup.texts(), path({"1 BACKUP", "12 SUMMER", "2001 ODYSSEY"}));

        setup.rig.document.categoryFilter() = {"Audio"};
        setup.view->rebuildByCategories();
        QCOMPARE(setup.texts(), path({"12 SUMMER"}));

        setup.rig.document.categoryFilter().clear();
        setup.view->rebuildByCategories();
        QCOMPARE(setup.texts(), path({"1 BACKUP", "12 SUMMER", "2001 ODYSSEY"}));
    }

    void categoryRebuildShowsTheOwnerEveryMatchingDisc() {
        TreeSetup setup(catalogue());
        setup.rig.document.categoryFilter() = {"Audio", "Software"};
        setup.view->rebuildByCategories();
        QCOMPARE(setup.texts(), path({"1 BACKUP", "2 PRIVATE", "12 SUMMER"}));
        setup.rig.document.categoryFilter() = {"movie"};
        setup.view->rebuildByCategories();
        QCOMPARE(setup.texts(), QStringList());

        setup.rig.document.setWholeTreeShown(false);
        setup.rig.document.onCommand(PaneCommand::ViewAllOnTree);
        setup.view->runCommand(PaneCommand::ViewAllOnTree);
        QVERIFY(setup.rig.document.categoryFilter().empty());
        QCOMPARE(setup.texts().size(), 4);
    }

    void deletingTheLastDiscEmptiesTheFileList() {
        TreeSetup setup(oneDisc());
        setup.click(path({"1 ONLY", "docs"}));
        setup.rig.prompt.answers = {Answer::Yes};
        QTest::keyClick(setup.tree, Qt::Key_Delete);
        QCOMPARE(setup.rig.prompt.messages,
                 std::vector<std::string>{"Do you really want to delete CD 1 ?"});
        QCOMPARE(setup.model().rowCount(), 0);
        QVERIFY(setup.rig.document.catalogue().discs.empty());
        QCOMPARE(setup.files.clears, 1);
        QVERIFY(setup.rig.document.currentDisc().number().empty());
        QVERIFY(setup.rig.document.currentDisc().files.empty());
        QVERIFY(setup.rig.document.isModified());
        QCOMPARE(setup.commands.statusRefreshes, 1);

        // With the catalogue empty the key does nothing at all.
        QTest::keyClick(setup.tree, Qt::Key_Delete);
        QCOMPARE(setup.rig.prompt.messages.size(), std::size_t{1});
    }

    void deletingADiscMakesTheNextOneCurrent() {
        TreeSetup setup(catalogue());
        setup.click(path({"12 SUMMER"}));
        setup.rig.prompt.answers = {Answer::No};
        setup.runMenu(path({"12 SUMMER"}), QStringLiteral("Delete"));
        QCOMPARE(setup.texts().size(), 4);
        QVERIFY(!setup.rig.document.isModified());

        setup.rig.prompt.answers = {Answer::Yes};
        setup.runMenu(path({"12 SUMMER"}), QStringLiteral("Delete"));
        QCOMPARE(setup.texts(), path({"1 BACKUP", "2 PRIVATE", "2001 ODYSSEY"}));
        QCOMPARE(setup.selectedText(), QStringLiteral("2001 ODYSSEY"));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("2001"));
        QCOMPARE(setup.files.shown.back(), std::string("2001 ODYSSEY"));
        QVERIFY(setup.rig.document.catalogue().findDisc("12") == nullptr);
        QCOMPARE(setup.files.clears, 0);
        QVERIFY(setup.rig.document.isModified());
    }

    void deletingWithoutASelectionAsksForADisc() {
        TreeSetup setup(catalogue());
        setup.view->deleteDisc();
        QCOMPARE(setup.rig.prompt.messages,
                 std::vector<std::string>{"Please, click on the CD Icon."});
        QCOMPARE(setup.texts().size(), 4);
    }

    void sharingAnAlreadySharedDiscChangesNothing() {
        TreeSetup setup(catalogue());
        const auto iconOf = [&setup](const char* text) {
            return setup.item(path({text})).data(Qt::DecorationRole).value<QIcon>().cacheKey();
        };
        const qint64 sharedIcon = iconOf("1 BACKUP");
        setup.runMenu(path({"12 SUMMER"}), QStringLiteral("Share"));
        QVERIFY(!setup.rig.document.isModified());
        QCOMPARE(setup.commands.statusRefreshes, 0);

        setup.runMenu(path({"12 SUMMER"}), QStringLiteral("Unshare"));
        QVERIFY(setup.rig.document.isModified());
        QCOMPARE(setup.rig.document.catalogue().findDisc("12")->shared(), std::string("No"));
        QCOMPARE(setup.rig.document.currentDisc().shared(), std::string("No"));
        QCOMPARE(iconOf("12 SUMMER"), iconOf("2 PRIVATE"));
        QCOMPARE(setup.commands.statusRefreshes, 1);

        setup.runMenu(path({"12 SUMMER", "2001"}), QStringLiteral("Share"));
        QCOMPARE(setup.rig.document.catalogue().findDisc("12")->shared(), std::string("Yes"));
        QCOMPARE(iconOf("12 SUMMER"), sharedIcon);
        QCOMPARE(setup.selectedText(), QStringLiteral("12 SUMMER"));
    }

    void rightClickInAnEmptyCatalogueOpensNoMenu() {
        TreeSetup setup{CQXCatalog{}};
        QTest::mouseClick(setup.tree->viewport(), Qt::RightButton, {}, QPoint(20, 10));
        QVERIFY(setup.menu() == nullptr);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void contextMenuCarriesTheTreeCommands() {
        TreeSetup setup(catalogue());
        setup.click(path({"1 BACKUP", "music"}), Qt::RightButton);
        QCOMPARE(setup.selectedText(), QStringLiteral("music"));
        QMenu* menu = setup.menu();
        QVERIFY(menu != nullptr);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->title(), QStringLiteral("Tree"));
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(entries,
                 path({"Rename", "Share", "Unshare", "CD Cover", "Delete", "-",
                       "Reset CDDB Media Tag", "Set Blank Cover", "Add Blank CD", "CD Info"}));
        menu->hide();

        // A press beside a label, on the empty rest of its row, selects nothing.
        const QRect row = setup.tree->visualRect(setup.item(path({"2 PRIVATE"})));
        QTest::mouseClick(setup.tree->viewport(), Qt::RightButton, {},
                          QPoint(row.right() - 2, row.center().y()));
        QCOMPARE(setup.selectedText(), QStringLiteral("music"));
        QVERIFY(menu->isVisible());
        menu->hide();

        setup.runMenu(path({"1 BACKUP"}), QStringLiteral("Add Blank CD"));
        QCOMPARE(setup.commands.commands, std::vector<PaneCommand>{PaneCommand::AddBlankDisc});

        setup.runMenu(path({"12 SUMMER", "2001"}), QStringLiteral("Set Blank Cover"));
        QVERIFY(cover(setup.rig.document, "12") == nullptr);
        QCOMPARE(setup.selectedText(), QStringLiteral("12 SUMMER"));
        QVERIFY(setup.rig.document.isModified());

        setup.runMenu(path({"2001 ODYSSEY", "space"}), QStringLiteral("Rename"));
        QCOMPARE(setup.selectedText(), QStringLiteral("2001 ODYSSEY"));
        auto* editor = setup.tree->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("2001 ODYSSEY"));
    }

    void locateFileSelectsItsFolder() {
        TreeSetup setup(catalogue());
        setup.click(path({"1 BACKUP"}));
        const CQXDisc& disc = *setup.rig.document.catalogue().findDisc("1");
        setup.view->locateFile(disc.files[2]);
        QCOMPARE(setup.view->selectedItemPath(), std::string("1 BACKUP\\Docs\\Old\\letters"));
        QVERIFY(setup.tree->isExpanded(setup.item(path({"1 BACKUP", "Docs", "Old"}))));
        QCOMPARE(setup.files.shown.back(), std::string("1 BACKUP\\Docs\\Old\\letters"));
        QCOMPARE(setup.files.highlighted, std::vector<const CQXFileData*>{&disc.files[2]});

        setup.view->locateFile(disc.files[0]);
        QCOMPARE(setup.selectedText(), QStringLiteral("1 BACKUP"));
        QCOMPARE(setup.files.highlighted.back(), &disc.files[0]);
    }

    // Other panes and dialogs pick a disc by its number: exactly that number, never a folder
    // named like it, and nothing at all for a disc the tree does not show.
    void aDiscIsSelectedAndFoldedByItsNumber() {
        TreeSetup setup(catalogue());
        DiscTreePane& tree = *discTree(setup.rig.document);
        QVERIFY(tree.selectDisc("2001"));
        QCOMPARE(setup.view->selectedItemPath(), std::string("2001 ODYSSEY"));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("2001"));
        QCOMPARE(setup.files.shown.back(), std::string("2001 ODYSSEY"));
        QCOMPARE(setup.commands.fieldRefreshes, 1);

        QVERIFY(!tree.selectDisc("200"));
        QVERIFY(!tree.selectDisc(""));
        setup.rig.document.categoryFilter() = {"Software"};
        setup.view->rebuildByCategories();
        QVERIFY(!tree.selectDisc("12"));
        QVERIFY(setup.rig.document.currentDisc().number().empty());
        setup.rig.document.categoryFilter().clear();
        setup.view->rebuildByCategories();

        setup.click(path({"1 BACKUP", "Docs", "Old"}));
        const QModelIndex backup = setup.item(path({"1 BACKUP"}));
        const QModelIndex docs = setup.item(path({"1 BACKUP", "Docs"}));
        QVERIFY(setup.tree->isExpanded(backup));
        tree.collapseDisc("12");
        QVERIFY(setup.tree->isExpanded(backup));
        tree.collapseDisc("1");
        QVERIFY(!setup.tree->isExpanded(backup));
        QVERIFY(setup.tree->isExpanded(docs));
    }

    void addedDiscGoesLastAndBecomesCurrent() {
        TreeSetup setup(catalogue());
        auto scanned = makeDisc("2002", "NEW", "Yes", "\ta\r\n\t\tb\r\n", {});
        const CQXDisc& added = *scanned;
        setup.rig.document.catalogue().appendDisc(std::move(scanned));
        setup.view->addDiscItem(added);
        QCOMPARE(setup.texts().back(), QStringLiteral("2002 NEW"));
        QCOMPARE(setup.texts(setup.item(path({"2002 NEW", "a"}))), path({"b"}));
        QCOMPARE(setup.selectedText(), QStringLiteral("2002 NEW"));
        QCOMPARE(setup.rig.document.currentDisc().number(), std::string("2002"));
        QCOMPARE(setup.files.shown.back(), std::string("2002 NEW"));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DiscTreeViewTest)
#include "disc_tree_view_test.moc"
