#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <memory>
#include <string>

#include "app/pane_operations.h"
#include "app/ui/qt_text.h"
#include "online/media_tag_source.h"
#include "scan/filter_lists.h"
#include "scan/ui/scan_dialog.h"
#include "support/commands_fakes.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/sample_catalogue.h"
#include "support/widget_lookup.h"
#include "views/categories_view.h"
#include "views/commands_view.h"
#include "views/left_view.h"
#include "views/qx2_view.h"

namespace vorlix {

namespace {

using test::child;
using test::DocumentRig;

struct NoMediaTags final : MediaTagSource {
    std::string mediaTag(const std::string&) override { return {}; }
};

// The sample catalogue owned by the rig's user: disc 1 with a file in its root, disc 2 with
// the category "Audio" and notes of its own.
CQXCatalog ownedCatalogue() {
    CQXCatalog catalogue = test::sampleCatalogue();
    for (const auto& disc : catalogue.discs) {
        disc->setOwnerName(DocumentRig::anna().logName);
        disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
    }
    catalogue.discs[0]->files.emplace_back("readme.txt", "d:\\", "10", "d:");
    catalogue.discs[1]->setCategories({"Audio"});
    catalogue.discs[1]->setInfo("<info>\r\n<notes>Lent to Maria</notes>\r\n</info>\r\n");
    return catalogue;
}

// The four panes side by side over one document, as the main window holds them, with one
// optical drive holding the volume DATA when asked for.
struct Panes {
    explicit Panes(bool withDrive = false) {
        if (withDrive) {
            drives.addDrive()->setIdentity("DATA", 1);
        }
        rig.load(ownedCatalogue());
        auto* layout = new QHBoxLayout(&window);
        commands = new CCommandsView(rig.document, services, scan, commandServices);
        tree = new CLeftView(rig.document, services);
        files = new CQX2View(rig.document, services);
        categories = new CCategoriesView(rig.document, services);
        layout->addWidget(commands);
        layout->addWidget(tree);
        layout->addWidget(files);
        layout->addWidget(categories);
        window.resize(1200, 800);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            qFatal("the panes were not shown");
        }
    }

    QTreeView* treeControl() const { return child<QTreeView>(*tree, "discTree"); }
    QTreeView* allCategories() const { return child<QTreeView>(*categories, "allCategoriesList"); }

    QModelIndex treeItem(const QStringList& path) const {
        const QAbstractItemModel* model = treeControl()->model();
        QModelIndex found;
        for (const QString& text : path) {
            const QModelIndexList match =
                model->match(model->index(0, 0, found), Qt::DisplayRole, text, 1, Qt::MatchExactly);
            if (match.isEmpty()) {
                qFatal("no tree item %s", qPrintable(path.join(QLatin1Char('\\'))));
            }
            found = match.front();
        }
        return found;
    }

    void clickTreeItem(const QStringList& path) const {
        const QModelIndex item = treeItem(path);
        for (QModelIndex up = item.parent(); up.isValid(); up = up.parent()) {
            treeControl()->expand(up);
        }
        const QRect rect = treeControl()->visualRect(item);
        QTest::mouseClick(treeControl()->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 10, rect.center().y()));
    }

    QStringList treeTexts() const {
        QStringList texts;
        const QAbstractItemModel* model = treeControl()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, 0).data().toString();
        }
        return texts;
    }

    QStringList fileNames() const {
        QStringList names;
        const QAbstractItemModel* model = child<QTreeView>(*files, "fileList")->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row, 0).data().toString();
        }
        return names;
    }

    QString notes() const { return child<QPlainTextEdit>(*categories, "notesEdit")->toPlainText(); }

    // Picks categories in the list of all categories, the first with a plain click and the
    // others with Ctrl, and runs an item of the list's context menu.
    void runCategoryMenu(const QStringList& categories, const QString& item) const {
        QTreeView* list = allCategories();
        QPoint at;
        Qt::KeyboardModifiers modifiers;
        for (const QString& category : categories) {
            const QModelIndex row = list->model()
                                        ->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                category, 1, Qt::MatchExactly)
                                        .value(0);
            at = list->visualRect(row).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, at);
            modifiers = Qt::ControlModifier;
        }
        QTimer::singleShot(0, list, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* action : menu->actions()) {
                if (action->text() == item) {
                    menu->setActiveAction(action);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
    }

    void viewCategoryOnTree(const QString& category) const {
        runCategoryMenu({category}, QStringLiteral("View CD's on Tree"));
    }

    DocumentRig rig;
    test::FakeDiscDrives drives;
    FilterLists filterLists{rig.folder.path() + "/", rig.codePage};
    NoMediaTags mediaTags;
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    ScanServices scan{drives, filterLists, mediaTags, rig.settings, rig.prompt};
    test::FakeSearchWindows searchWindows;
    test::FakeCddbLookup cddb{rig.log};
    test::FakeLending lending{rig.log};
    test::FakeDiscNumbers discNumbers{rig.log};
    CommandsServices commandServices{searchWindows, cddb, lending, discNumbers, rig.chat};
    QWidget window;
    CCommandsView* commands = nullptr;
    CLeftView* tree = nullptr;
    CQX2View* files = nullptr;
    CCategoriesView* categories = nullptr;
};

QStringList texts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        list << QString::fromUtf8(item);
    }
    return list;
}

}  // namespace

class CataloguePanesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Whatever the tree shows after a rebuild by categories, the other panes show the disc of
    // its selected item, or nothing when no item is selected.
    void panesFollowTheTreeRebuiltByCategories() {
        Panes panes;
        panes.clickTreeItem({QStringLiteral("1 BACKUP"), QStringLiteral("docs")});
        QCOMPARE(panes.fileNames(), texts({"Budget"}));
        QCOMPARE(panes.notes(), QStringLiteral("Caf\u00E9 & more"));

        panes.viewCategoryOnTree(QStringLiteral("Audio"));
        QCOMPARE(panes.treeTexts(), texts({"2 LENT \u20AC"}));
        QVERIFY(panes.rig.document.currentDisc().number().empty());
        QVERIFY(panes.fileNames().isEmpty());
        QVERIFY(panes.notes().isEmpty());
        QVERIFY(child<QPlainTextEdit>(*panes.categories, "notesEdit")->isReadOnly());

        panes.clickTreeItem({QStringLiteral("2 LENT \u20AC")});
        QCOMPARE(panes.notes(), QStringLiteral("Lent to Maria"));
        panes.rig.document.onCommand(PaneCommand::ViewAllOnTree);
        QCOMPARE(panes.treeTexts(), texts({"1 BACKUP", "2 LENT \u20AC", "10 "}));
        QCOMPARE(panes.tree->selectedItemPath(), std::string("2 LENT \u20AC"));
        QCOMPARE(panes.rig.document.currentDisc().number(), std::string("2"));
        QCOMPARE(panes.notes(), QStringLiteral("Lent to Maria"));

        panes.clickTreeItem({QStringLiteral("1 BACKUP")});
        QCOMPARE(panes.fileNames(), texts({"readme"}));
        panes.viewCategoryOnTree(QStringLiteral("Software"));
        QCOMPARE(panes.treeTexts(), texts({"1 BACKUP"}));
        QCOMPARE(panes.rig.document.currentDisc().number(), std::string("1"));
        QCOMPARE(panes.fileNames(), texts({"readme"}));
    }

    // The category views ask the commands panel for a search window, which it opens with the
    // categories chosen.
    void categoryViewsOpenASearchByTheChosenCategories() {
        Panes panes;
        panes.runCategoryMenu({QStringLiteral("Work"), QStringLiteral("Audio")},
                              QStringLiteral("View Files"));
        panes.runCategoryMenu({QStringLiteral("Software")}, QStringLiteral("View CDs on List"));
        const SearchQuery files{"*", "files", "byCat", "", "", "", "And"};
        const SearchQuery discs{"*", "names", "byCat", "", "", "", "And"};
        QCOMPARE(panes.searchWindows.requests(),
                 (std::vector<SearchRequest>{{files, {"Audio", "Work"}, true, true},
                                             {discs, {"Software"}, true, true}}));
        QVERIFY(panes.rig.prompt.messages.empty());
    }

    // The name typed into the commands panel renames the disc in the tree as it is typed.
    void theNameFieldRenamesTheTreeItem() {
        Panes panes;
        panes.clickTreeItem({QStringLiteral("2 LENT \u20AC")});
        auto* name = child<QLineEdit>(*panes.commands, "nameEdit");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("MUSIC"));
        QCOMPARE(panes.treeTexts(), texts({"1 BACKUP", "2 MUSIC", "10 "}));
        QCOMPARE(panes.rig.document.catalogue().findDisc("2")->name(), std::string("MUSIC"));
        QVERIFY(panes.rig.document.isModified());
    }

    // Enter reaches the pane whose field or list was used last, once, wherever the key is
    // pressed.
    void enterRunsTheOperationOfThePaneUsedLast() {
        Panes panes;
        panes.clickTreeItem({QStringLiteral("1 BACKUP")});
        auto* files = child<QTreeView>(*panes.files, "fileList");
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualRect(files->model()->index(0, 0)).center());
        QTest::keyClick(files, Qt::Key_Return);
        QCOMPARE(panes.rig.prompt.messages,
                 std::vector<std::string>{"Please, insert CD 1 and then press OK."});

        // The categories panel's field: a name already listed is told once only.
        auto* newCategory = child<QLineEdit>(*panes.categories, "newCategoryEdit");
        QTest::keyClicks(newCategory, QStringLiteral("Audio"));
        QTest::keyClick(newCategory, Qt::Key_Return);
        QCOMPARE(panes.rig.prompt.messages.back(),
                 std::string("This category is already on your list!"));
        QCOMPARE(panes.rig.prompt.messages.size(), 2u);

        // A click in the disc's categories arms Show CD for the number of the find box.
        child<QLineEdit>(*panes.commands, "findNumberEdit")->setText(QStringLiteral("2"));
        QTreeView* attached = child<QTreeView>(*panes.categories, "attachedCategoriesList");
        QTest::mouseClick(attached->viewport(), Qt::LeftButton, {},
                          attached->visualRect(attached->model()->index(0, 0)).center());
        QTest::keyClick(attached, Qt::Key_Return);
        QCOMPARE(panes.rig.log, test::Log{"show disc 2"});
        QTest::keyClick(attached, Qt::Key_Return);
        QCOMPARE(panes.rig.log.size(), 1u);
    }

    // A drive picked in the drive list is scanned once; the next scan asks for a drive again.
    void aDrivePickedForOneScanIsNotPreselectedForTheNext() {
        Panes panes(true);
        QTreeView* driveList = child<QTreeView>(*panes.categories, "driveList");
        QTRY_COMPARE(driveList->model()->rowCount(), 1);
        const QPoint row = driveList->visualRect(driveList->model()->index(0, 0)).center();
        QTest::mouseClick(driveList->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(driveList->viewport(), Qt::LeftButton, {}, row);

        CDialogScan* picked = panes.commands->scanDialog();
        QVERIFY(picked != nullptr);
        QVERIFY(child<QTimer>(*picked, "preselectionTimer")->isActive());
        picked->reject();
        QVERIFY(!panes.commands->scanOpen());

        panes.rig.document.onCommand(PaneCommand::Scan);
        CDialogScan* next = panes.commands->scanDialog();
        QVERIFY(next != nullptr);
        QVERIFY(!child<QTimer>(*next, "preselectionTimer")->isActive());
        next->reject();
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::CataloguePanesTest)
#include "catalogue_panes_test.moc"
