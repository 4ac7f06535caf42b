#include "views/categories_view.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBuffer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "core/disc_info.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/quiet_panes.h"
#include "support/sample_catalogue.h"
#include "support/widget_lookup.h"
#include "views/attached_categories_dialog.h"

namespace vorlix {

namespace {

using Names = std::vector<std::string>;
using test::child;
using test::DocumentRig;

// The other panes as the categories panel drives them.
struct FakeTree final : test::QuietDiscTree {
    explicit FakeTree(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~FakeTree() override { document.removePane(*this); }
    void rebuildByCategories() override { rebuilds.push_back(document.categoryFilter()); }

    CQX2Doc& document;
    std::vector<Names> rebuilds;
};

struct FakeFileList final : Pane, FileListPane {
    explicit FakeFileList(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~FakeFileList() override { document.removePane(*this); }
    std::string_view paneClassName() const override { return kQX2ViewClass; }
    void runCommand(PaneCommand) override {}
    void showFolder(const std::string&) override {}
    void clear() override {}
    void highlightEntry(const CQXFileData&) override {}
    std::vector<CQXFileData*> selectedEntries() const override { return selected; }
    void showCatalogue() override {}
    void openSelectedFile() override {}

    CQX2Doc& document;
    std::vector<CQXFileData*> selected;
};

struct FakeCommands final : test::QuietCommandsPane {
    explicit FakeCommands(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~FakeCommands() override { document.removePane(*this); }
    void startScan(const std::string& drive) override { scans.push_back(drive); }

    CQX2Doc& document;
    Names scans;
};

// The sample catalogue owned by the rig's user, with "Movie" on disc 2 and on a file of disc 1.
CQXCatalog ownedCatalogue() {
    CQXCatalog catalogue = test::sampleCatalogue();
    for (const auto& disc : catalogue.discs) {
        disc->setOwnerName(DocumentRig::anna().logName);
        disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
    }
    catalogue.categories.push_back("Movie");
    catalogue.discs[1]->setCategories({"Movie", "Work"});
    catalogue.discs[0]->files[0].setCategories({"Movie"});
    return catalogue;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage filled(QSize size, Qt::GlobalColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A document, the drives and the panel over them. The panel is made by open(), so that a test
// can prepare the settings and the program folder first.
struct PanelRig {
    explicit PanelRig(CQXCatalog catalogue = ownedCatalogue(), Identity user = DocumentRig::anna())
        : rig(std::move(user)) {
        rig.load(std::move(catalogue));
    }

    void open() {
        view = std::make_unique<CCategoriesView>(rig.document, services);
        view->resize(240, 900);
        view->show();
        allTester = std::make_unique<QAbstractItemModelTester>(allList()->model());
        attachedTester = std::make_unique<QAbstractItemModelTester>(attachedList()->model());
    }

    void select(const char* number) {
        rig.document.setCurrentDisc(*disc(number));
        view->refreshForCurrentDisc();
    }
    CQXDisc* disc(const char* number) { return rig.document.catalogue().findDisc(number); }
    Names categories() { return rig.document.catalogue().categories.toVector(); }

    QTreeView* allList() const { return child<QTreeView>(*view, "allCategoriesList"); }
    QTreeView* attachedList() const { return child<QTreeView>(*view, "attachedCategoriesList"); }
    QTreeView* driveList() const { return child<QTreeView>(*view, "driveList"); }
    QLineEdit* newCategory() const { return child<QLineEdit>(*view, "newCategoryEdit"); }
    QPlainTextEdit* notes() const { return child<QPlainTextEdit>(*view, "notesEdit"); }
    QString price(const char* name) const { return child<QLabel>(*view, name)->text(); }
    QPixmap cover() const { return child<QLabel>(*view, "coverThumbnail")->pixmap(); }

    DocumentRig rig;
    test::FakeDiscDrives drives;
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    std::unique_ptr<CCategoriesView> view;
    std::unique_ptr<QAbstractItemModelTester> allTester;
    std::unique_ptr<QAbstractItemModelTester> attachedTester;
};

QStringList texts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        list << QString::fromUtf8(item);
    }
    return list;
}

QStringList rowTexts(const QAbstractItemView* list) {
    QStringList texts;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        texts << model->index(row, 0).data().toString();
    }
    return texts;
}

QModelIndex rowOf(const QAbstractItemView* list, const QString& text) {
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                       text, 1, Qt::MatchExactly);
    if (found.isEmpty()) {
        qFatal("no row %s", qPrintable(text));
    }
    return found.front();
}

void clickRow(QAbstractItemView* list, const QString& text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(rowOf(list, text)).center());
}

struct MenuResult {
    bool opened = false;
    QStringList items;
    QStringList disabled;
};

// Asks the list for its context menu over its first row and chooses the item with that text;
// what the menu showed comes back, `opened` false when no menu came up.
MenuResult chooseFromMenu(QAbstractItemView* list, const QString& item) {
    MenuResult result;
    QObject guard;
    QTimer::singleShot(0, &guard, [&result, &item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        result.opened = true;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            result.items << action->text();
            if (!action->isEnabled()) {
                result.disabled << action->text();
            } else if (action->text() == item) {
                chosen = action;
            }
        }
        if (chosen == nullptr) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint position = list->visualRect(list->model()->index(0, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, position,
                            list->viewport()->mapToGlobal(position));
    QApplication::sendEvent(list->viewport(), &event);
    QCoreApplication::processEvents();
    return result;
}

// Types into the editor that Rename opened and commits the new name.
void renameTo(QAbstractItemView* list, const QString& newName) {
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    if (editor == nullptr) {
        qFatal("no name editor");
    }
    editor->selectAll();
    QTest::keyClicks(editor, newName);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the name in a queued call.
    QCoreApplication::processEvents();
}

}  // namespace

class CategoriesViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void createTestsTheNameExactly() {
        PanelRig panel;
        panel.open();
        panel.select("1");

        QTest::keyClicks(panel.newCategory(), QStringLiteral("movie"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::CreateCategory);
        QTest::mouseClick(child<QToolButton>(*panel.view, "createCategoryButton"), Qt::LeftButton);
        QCOMPARE(rowTexts(panel.allList()),
                 texts({"Audio", "Backups", "DVD", "Movie", "movie", "Software", "Work"}));
        QCOMPARE(panel.categories().back(), std::string("movie"));
        QVERIFY(panel.newCategory()->text().isEmpty());
        QVERIFY(panel.rig.document.isModified());

        QTest::keyClicks(panel.newCategory(), QStringLiteral("Movie"));
        QTest::keyClick(panel.newCategory(), Qt::Key_Return);
        QCOMPARE(panel.rig.prompt.messages, Names{"This category is already on your list!"});
        QCOMPARE(panel.newCategory()->text(), QStringLiteral("Movie"));
        QCOMPARE(std::ranges::count(panel.categories(), "Movie"), 1);
    }

    void renameIgnoresCaseWhenTestingTheNewName() {
        PanelRig panel;
        panel.open();
        panel.select("2");

        clickRow(panel.allList(), QStringLiteral("Audio"));
        QCOMPARE(chooseFromMenu(panel.allList(), QStringLiteral("Rename")).opened, true);
        renameTo(panel.allList(), QStringLiteral("movie"));
        QCOMPARE(rowTexts(panel.allList()),
                 texts({"Audio", "Backups", "DVD", "Movie", "Software", "Work"}));
        QVERIFY(!panel.rig.document.isModified());

        // Editing a label disarms the list until it is clicked again.
        QVERIFY(!chooseFromMenu(panel.allList(), QStringLiteral("Rename")).opened);
        clickRow(panel.allList(), QStringLiteral("Work"));
        chooseFromMenu(panel.allList(), QStringLiteral("Rename"));
        renameTo(panel.allList(), QStringLiteral("Jobs"));
        QCOMPARE(rowTexts(panel.allList()),
                 texts({"Audio", "Backups", "DVD", "Jobs", "Movie", "Software"}));
        QCOMPARE(panel.disc("2")->categories(), (Names{"Movie", "Jobs"}));
        QCOMPARE(panel.disc("1")->files[1].categories(), Names{"Jobs"});
        QCOMPARE(rowTexts(panel.attachedList()), texts({"Jobs", "Movie"}));
        QVERIFY(panel.rig.document.isModified());
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    void renameIsRefusedToOthersBeforeEditing() {
        PanelRig panel(ownedCatalogue(), {"bob", "digest"});
        panel.open();
        clickRow(panel.allList(), QStringLiteral("Work"));
        chooseFromMenu(panel.allList(), QStringLiteral("Rename"));
        QCOMPARE(panel.rig.prompt.messages, Names{"Operation not allowed! Logged in as : bob"});
        QVERIFY(panel.allList()->viewport()->findChild<QLineEdit*>() == nullptr);
    }

    void deleteRemovesTheNameFromEveryDiscAndFile() {
        PanelRig panel;
        panel.open();
        panel.select("2");
        panel.rig.prompt.answers = {Answer::Yes};

        clickRow(panel.allList(), QStringLiteral("Movie"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::AllCategoriesList);
        QTest::keyClick(panel.allList(), Qt::Key_Delete);

        QCOMPARE(panel.rig.prompt.messages, Names{"Do you really want to delete this category?"});
        QVERIFY(!rowTexts(panel.allList()).contains(QStringLiteral("Movie")));
        QCOMPARE(panel.disc("2")->categories(), Names{"Work"});
        QVERIFY(panel.disc("1")->files[0].categories().empty());
        QCOMPARE(rowTexts(panel.attachedList()), texts({"Work"}));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
        QVERIFY(panel.rig.document.isModified());
    }

    void attachedCategoriesAreRemovedFromTheCurrentDiscOnly() {
        PanelRig panel;
        panel.open();
        panel.select("2");
        panel.disc("1")->editCategories().push_back("Work");

        clickRow(panel.attachedList(), QStringLiteral("Work"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::ShowDisc);
        const MenuResult menu = chooseFromMenu(panel.attachedList(), QStringLiteral("Delete"));
        QCOMPARE(menu.items, texts({"Delete"}));
        QCOMPARE(panel.disc("2")->categories(), Names{"Movie"});
        QCOMPARE(rowTexts(panel.attachedList()), texts({"Movie"}));
        QCOMPARE(panel.disc("1")->categories(), (Names{"Software", "Backups", "Work"}));
        QVERIFY(panel.rig.document.isModified());
    }

    void attachToTheDiscAndToSelectedFiles() {
        PanelRig panel;
        panel.open();
        panel.select("1");

        clickRow(panel.allList(), QStringLiteral("Work"));
        clickRow(panel.allList(), QStringLiteral("Audio"), Qt::ControlModifier);
        QCOMPARE(panel.rig.document.categoryFilter(), (Names{"Audio", "Work"}));
        QCOMPARE(categoriesPanel(panel.rig.document)->selectedCategories(),
                 (Names{"Audio", "Work"}));
        const MenuResult menu = chooseFromMenu(panel.allList(), QStringLiteral("Attach to CD"));
        QCOMPARE(menu.items,
                 texts({"Attach to CD", "Attach to a File", "Rename", "Delete", "View CDs on List",
                        "View CD's on Tree", "Show the Complete CD Tree", "View Files"}));
        QCOMPARE(menu.disabled, texts({"Show the Complete CD Tree"}));
        QCOMPARE(panel.disc("1")->categories(), (Names{"Software", "Backups", "Audio", "Work"}));
        QCOMPARE(panel.rig.document.currentDisc().categories(), panel.disc("1")->categories());
        QCOMPARE(rowTexts(panel.attachedList()), texts({"Audio", "Backups", "Software", "Work"}));

        panel.rig.document.setModified(false);
        chooseFromMenu(panel.allList(), QStringLiteral("Attach to a File"));
        QVERIFY(!panel.rig.document.isModified());

        FakeFileList files(panel.rig.document);
        files.selected = {&panel.disc("1")->files[1], &panel.disc("1")->files[2]};
        chooseFromMenu(panel.allList(), QStringLiteral("Attach to a File"));
        QCOMPARE(panel.disc("1")->files[1].categories(), (Names{"Work", "Audio"}));
        QCOMPARE(panel.disc("1")->files[2].categories(), (Names{"Audio", "Work"}));
        QCOMPARE(panel.disc("1")->files[0].categories(), Names{"Movie"});
        QVERIFY(panel.rig.document.isModified());
    }

    void categoryViewsRebuildTheTree() {
        PanelRig panel;
        FakeTree tree(panel.rig.document);
        panel.open();

        clickRow(panel.allList(), QStringLiteral("Movie"));
        chooseFromMenu(panel.allList(), QStringLiteral("View CD's on Tree"));
        QVERIFY(!panel.rig.document.wholeTreeShown());
        const MenuResult menu =
            chooseFromMenu(panel.allList(), QStringLiteral("Show the Complete CD Tree"));
        QVERIFY(menu.disabled.isEmpty());
        QVERIFY(panel.rig.document.wholeTreeShown());

        chooseFromMenu(panel.allList(), QStringLiteral("View CD's on Tree"));
        panel.rig.document.onCommand(PaneCommand::ViewAllOnTree);
        QVERIFY(panel.rig.document.wholeTreeShown());
        QCOMPARE(tree.rebuilds, (std::vector<Names>{{"Movie"}, {}, {"Movie"}, {}}));

        chooseFromMenu(panel.allList(), QStringLiteral("View Files"));
        chooseFromMenu(panel.allList(), QStringLiteral("View CDs on List"));
        QCOMPARE(panel.rig.document.categoryFilter(), Names{"Movie"});
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    void defaultCategoriesFollowTheSetting_data() {
        QTest::addColumn<unsigned>("defcats");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("on") << 1u << texts({"Audio", "DVD", "Movie", "Music", "Software"});
        QTest::newRow("off") << 0u << QStringList();
        QTest::newRow("not exactly 1") << 2u << QStringList();
    }

    void defaultCategoriesFollowTheSetting() {
        QFETCH(unsigned, defcats);
        QFETCH(QStringList, shown);
        PanelRig panel{CQXCatalog()};
        panel.rig.settings.writeNumber(setting::kSettingsKey, setting::kDefCats, defcats);
        panel.open();
        QCOMPARE(rowTexts(panel.allList()), shown);
        QCOMPARE(panel.categories().size(), static_cast<std::size_t>(shown.size()));

        panel.rig.document.reset();
        panel.view->showCatalogue();
        QCOMPARE(rowTexts(panel.allList()), shown);
    }

    void headerClicksTurnTheOrderRound() {
        PanelRig panel;
        panel.open();
        QHeaderView* header = panel.allList()->header();
        QCOMPARE(header->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Category Sort"));
        QCOMPARE(header->sectionSize(0), 100);
        const QPoint section(header->sectionViewportPosition(0) + 10, header->height() / 2);

        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QCOMPARE(rowTexts(panel.allList()),
                 texts({"Work", "Software", "Movie", "DVD", "Backups", "Audio"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QCOMPARE(rowTexts(panel.allList()),
                 texts({"Audio", "Backups", "DVD", "Movie", "Software", "Work"}));
    }

    void everyCatalogueShownStartsInAscendingOrder() {
        PanelRig panel{CQXCatalog()};
        panel.rig.settings.writeNumber(setting::kSettingsKey, setting::kDefCats, 1);
        panel.open();
        QHeaderView* header = panel.allList()->header();
        const QPoint section(header->sectionViewportPosition(0) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QCOMPARE(rowTexts(panel.allList()).first(), QStringLiteral("Software"));

        panel.rig.document.onFileNew();
        QCOMPARE(rowTexts(panel.allList()), texts({"Audio", "DVD", "Movie", "Music", "Software"}));
        // The header's next click turns it round again, as on the first catalogue.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QCOMPARE(rowTexts(panel.allList()).first(), QStringLiteral("Software"));
    }

    void emptyCatalogueOffersNoChanges() {
        CQXCatalog catalogue;
        catalogue.categories = {"Audio"};
        PanelRig panel(std::move(catalogue));
        panel.open();

        QTest::keyClicks(panel.newCategory(), QStringLiteral("New"));
        QTest::keyClick(panel.newCategory(), Qt::Key_Return);
        QCOMPARE(rowTexts(panel.allList()), texts({"Audio"}));
        QCOMPARE(panel.newCategory()->text(), QStringLiteral("New"));

        clickRow(panel.allList(), QStringLiteral("Audio"));
        QVERIFY(!chooseFromMenu(panel.allList(), QStringLiteral("Delete")).opened);
        QTest::keyClick(panel.allList(), Qt::Key_Delete);
        QVERIFY(panel.rig.prompt.messages.empty());
        QVERIFY(!panel.rig.document.isModified());
    }

    void menusOpenOnlyForTheListClickedLast() {
        PanelRig panel;
        panel.open();
        panel.select("2");
        clickRow(panel.allList(), QStringLiteral("Audio"));
        clickRow(panel.attachedList(), QStringLiteral("Work"));
        QVERIFY(!chooseFromMenu(panel.allList(), QStringLiteral("Delete")).opened);
        QTest::mouseClick(panel.newCategory(), Qt::LeftButton);
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::ChangeNumber);
        QVERIFY(!chooseFromMenu(panel.attachedList(), QStringLiteral("Delete")).opened);
        QTest::keyClick(panel.attachedList(), Qt::Key_Delete);
        QCOMPARE(panel.disc("2")->categories(), (Names{"Movie", "Work"}));
    }

    void driveRowsShowWhatEachDriveHolds() {
        CQXCatalog catalogue = ownedCatalogue();
        catalogue.discs[0]->setSerial("555");
        catalogue.discs[1]->setSerial("-392039741");
        catalogue.discs[2]->setSerial("555");
        catalogue.discs[2]->setName("LAST");
        PanelRig panel(std::move(catalogue));
        panel.drives.addDrive(test::FakeDiscVolume::noMedium());
        panel.drives.addDrive()->setIdentity("VOL", 555);
        panel.drives.addDrive()->setIdentity("PHOTOS", 3902927555u);
        panel.drives.addDrive()->setIdentity("HOLIDAY", 77);
        panel.drives.addDrive()->volumeIdentity.reset();
        panel.open();

        const QStringList rows =
            texts({"D:\\Not ready!", "E:\\ LAST Nr:10", "F:\\ LENT \u20AC Nr:2",
                   "G:\\ HOLIDAY Info N/A", "H:\\Untitled"});
        QTRY_COMPARE(rowTexts(panel.driveList()), rows);
        QCOMPARE(panel.driveList()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("In drive"));
        QCOMPARE(panel.driveList()->header()->sectionSize(0), 300);

        panel.rig.document.catalogue().removeDisc("10");
        panel.rig.document.catalogue().removeDisc("1");
        child<QTimer>(*panel.view, "driveTimer")->setInterval(10);
        QTRY_COMPARE(rowTexts(panel.driveList())[1], QStringLiteral("E:\\ VOL Info N/A"));
    }

    void scanDriveHandsTheDriveOverOnce() {
        PanelRig panel(CQXCatalog{});
        FakeCommands commands(panel.rig.document);
        panel.drives.addDrive(test::FakeDiscVolume::noMedium());
        panel.drives.addDrive()->setIdentity("DATA\\DISC", 1);
        panel.open();
        QTRY_COMPARE(panel.driveList()->model()->rowCount(), 2);

        clickRow(panel.driveList(), QStringLiteral("E:\\ DATA\\DISC Info N/A"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::DriveList);
        QCOMPARE(chooseFromMenu(panel.driveList(), QStringLiteral("Scan Drive")).items,
                 texts({"Scan Drive"}));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
        QCOMPARE(commands.scans, Names{"E:\\"});
        CategoriesPane* role = categoriesPanel(panel.rig.document);
        QCOMPARE(role, static_cast<CategoriesPane*>(panel.view.get()));
        // That scan took the drive: a later CD Scan from the menu finds none waiting.
        QVERIFY(role->takeScanDriveText().empty());

        const QPoint first =
            panel.driveList()
                ->visualRect(rowOf(panel.driveList(), QStringLiteral("D:\\Not ready!")))
                .center();
        QTest::mouseClick(panel.driveList()->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(panel.driveList()->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(commands.scans, (Names{"E:\\", "D:\\"}));
    }

    void notesAreStoredEscapedAndShownUnchanged() {
        PanelRig panel;
        panel.open();
        panel.select("1");
        QCOMPARE(panel.notes()->toPlainText(), QStringLiteral("Caf\u00E9 & more"));
        QVERIFY(!panel.rig.document.isModified());

        panel.notes()->selectAll();
        QTest::keyClicks(panel.notes(), QStringLiteral("a < b & \"c\""));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::SaveNotes);
        const std::string info(panel.disc("1")->info());
        QVERIFY2(info.find("<notes>a &lt; b &amp; \"c\"</notes>") != std::string::npos ||
                     info.find("<notes>a &lt; b &amp; &quot;c&quot;</notes>") != std::string::npos,
                 info.c_str());
        QVERIFY(panel.rig.document.isModified());

        panel.select("2");
        QCOMPARE(panel.notes()->toPlainText(), QStringLiteral("Caf\u00E9 & more"));
        panel.select("1");
        QCOMPARE(panel.notes()->toPlainText(), QStringLiteral("a < b & \"c\""));

        panel.rig.document.setModified(false);
        panel.notes()->setPlainText(QStringLiteral("two\nlines"));
        panel.rig.document.setModified(false);
        panel.rig.document.catalogue().findDisc("1")->setInfo("<info>\r\n<notes/>\r\n</info>");
        QTest::mouseClick(child<QPushButton>(*panel.view, "saveNotesButton"), Qt::LeftButton);
        QCOMPARE(disc_info::readNotes(panel.disc("1")->info()), std::string("two\r\nlines"));
        QCOMPARE(panel.rig.document.currentDisc().info(), panel.disc("1")->info());
        QVERIFY(!panel.rig.document.isModified());
    }

    // Others read the notes in a box that takes no typing, so no refusal follows each key;
    // Save Notes still says why nothing is stored.
    void othersReadNotesWithoutBeingRefusedAtEveryKey() {
        PanelRig panel(ownedCatalogue(), {"bob", "digest"});
        panel.open();
        panel.select("1");
        const std::string before(panel.disc("1")->info());
        QVERIFY(panel.notes()->isReadOnly());
        QTest::keyClicks(panel.notes(), QStringLiteral("xy"));
        QCOMPARE(panel.notes()->toPlainText(), QStringLiteral("Caf\u00E9 & more"));
        QVERIFY(panel.rig.prompt.messages.empty());

        QTest::mouseClick(child<QPushButton>(*panel.view, "saveNotesButton"), Qt::LeftButton);
        QCOMPARE(panel.rig.prompt.messages, Names{"Operation not allowed! Logged in as : bob"});
        QCOMPARE(panel.disc("1")->info(), before);
        QVERIFY(!panel.rig.document.isModified());
    }

    void notesTakeTypingOnlyForADiscTheUserMayChange() {
        PanelRig panel;
        panel.open();
        QVERIFY(panel.notes()->isReadOnly());
        panel.select("1");
        QVERIFY(!panel.notes()->isReadOnly());
        panel.rig.document.setCurrentDisc(CQXDisc{});
        panel.view->refreshForCurrentDisc();
        QVERIFY(panel.notes()->isReadOnly());
    }

    void plainTextRecordIsAllNotesWithoutPrices() {
        CQXCatalog catalogue = ownedCatalogue();
        catalogue.discs[0]->setInfo("Bought in <Rome>\r\nsecond line");
        catalogue.discs[1]->setInfo(
            "<info>\r\n<notes/>\r\n<price date=\"June 01, 2004\">\r\n<new>$12.99</new>\r\n"
            "<used>$4.50</used>\r\n</price>\r\n<ASIN>B0</ASIN>\r\n<mode>music</mode>\r\n</info>");
        PanelRig panel(std::move(catalogue));
        panel.open();

        panel.select("2");
        QCOMPARE(panel.price("newPriceText"), QStringLiteral("$12.99"));
        QCOMPARE(panel.price("usedPriceText"), QStringLiteral("$4.50"));
        panel.select("1");
        QCOMPARE(panel.notes()->toPlainText(), QStringLiteral("Bought in <Rome>\nsecond line"));
        QCOMPARE(panel.price("newPriceText"), QStringLiteral("N/A"));
        QCOMPARE(panel.price("usedPriceText"), QStringLiteral("N/A"));
        QVERIFY(!panel.rig.document.isModified());
    }

    void thumbnailShowsTheCoverOrTheDefaultPicture() {
        CQXCatalog catalogue = ownedCatalogue();
        const QByteArray wide = encoded(filled({300, 200}, Qt::blue), "JPEG");
        catalogue.named.set("CD2", ByteArray{{wide.begin(), wide.end()}});
        catalogue.discs[2]->setInfo("<info><notes/><mode>software</mode></info>");
        catalogue.named.set("CD10", ByteArray{{wide.begin(), wide.end()}});
        PanelRig panel(std::move(catalogue));
        const QByteArray noImage = encoded(filled({220, 174}, Qt::red), "JPEG");
        test::writeFile(panel.rig.folder.file("noimage.jpg"), noImage.toStdString());
        panel.open();

        // Disc 1's cover bytes are no picture; it shows the default, like a disc without one.
        panel.select("1");
        QCOMPARE(panel.cover().size(), QSize(110, 87));
        QVERIFY(qRed(panel.cover().toImage().pixel(50, 40)) > 200);
        QCOMPARE(child<QLabel>(*panel.view, "coverThumbnail")->toolTip(),
                 QStringLiteral("CD Cover Thumbnail"));

        panel.select("2");
        QCOMPARE(panel.cover().size(), QSize(110, 87));
        QVERIFY(qBlue(panel.cover().toImage().pixel(50, 40)) > 200);
        panel.select("10");
        QCOMPARE(panel.cover().size(), QSize(80, 87));
    }

    void attachedCategoriesDialogEditsOneEntry() {
        CQXFileData entry("song.mp3", "d:\\music\\", "10", "d:");
        entry.setCategories({"b", "A", "c"});
        CDialogAttachedCategories dialog(entry);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("List of Attached Categories"));
        auto* list = child<QTreeView>(dialog, "attachedCategoriesList");
        QAbstractItemModelTester tester(list->model());
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Category"));
        QCOMPARE(list->iconSize(), QSize(24, 24));
        QCOMPARE(child<QLabel>(dialog, "fileNameText")->text(), QStringLiteral("song.mp3"));
        QCOMPARE(rowTexts(list), texts({"A", "b", "c"}));

        QHeaderView* header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
        QCOMPARE(rowTexts(list), texts({"c", "b", "A"}));

        clickRow(list, QStringLiteral("b"));
        chooseFromMenu(list, QStringLiteral("Delete"));
        QCOMPARE(entry.categories(), (Names{"A", "c"}));
        QCOMPARE(rowTexts(list), texts({"c", "A"}));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::CategoriesViewTest)
#include "categories_view_test.moc"
