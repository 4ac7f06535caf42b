#include "views/commands_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/history_lists.h"
#include "app/setting_names.h"
#include "app/ui/qt_text.h"
#include "online/media_tag_source.h"
#include "scan/filter_lists.h"
#include "support/commands_fakes.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "support/quiet_panes.h"
#include "support/sample_catalogue.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using Names = std::vector<std::string>;
using test::child;
using test::DocumentRig;
using test::Log;

struct NoMediaTags final : MediaTagSource {
    std::string mediaTag(const std::string&) override { return {}; }
};

// The disc tree as the panel drives it: logs renames and the commands passed on to it.
struct FakeTree final : test::QuietDiscTree {
    explicit FakeTree(Log& log) : log(log) {}
    void runCommand(PaneCommand command) override {
        log.push_back(command == PaneCommand::DeleteDisc ? "tree delete" : "tree command");
    }
    void renameDisc(const std::string& number, const std::string& name) override {
        log.push_back("rename " + number + " " + name);
    }
    Log& log;
};

// The categories panel as the panel asks it for the chosen categories.
struct FakeCategories final : Pane, CategoriesPane {
    std::string_view paneClassName() const override { return kCategoriesViewClass; }
    void runCommand(PaneCommand) override {}
    void refreshForCurrentDisc() override {}
    void refillAttachedCategories() override {}
    void refillAllCategories() override {}
    std::string takeScanDriveText() override { return {}; }
    std::vector<std::string> selectedCategories() const override { return chosen; }
    void showCatalogue() override {}
    void createCategory() override {}
    void saveNotes() override {}
    Names chosen;
};

// The sample catalogue owned by the rig's user; disc 1 also holds an audio track, the
// borrower history holds john, Joe and joan and the search history beach and mp3.
CQXCatalog ownedCatalogue() {
    CQXCatalog catalogue = test::sampleCatalogue();
    for (const auto& disc : catalogue.discs) {
        disc->setOwnerName(DocumentRig::anna().logName);
        disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
    }
    catalogue.discs[0]->files.emplace_back("Track01.cda", "d:\\", "44", "d:");
    static_cast<void>(replaceHistory(catalogue, kLendHistory, {"john", "Joe", "joan"}));
    return catalogue;
}

// A document, the panel in a window of its own and the panes and operations it drives. The
// panel is made by open(), so that a test can prepare the settings first.
struct PanelRig {
    explicit PanelRig(CQXCatalog catalogue = ownedCatalogue(), Identity user = DocumentRig::anna())
        : rig(std::move(user)) {
        rig.load(std::move(catalogue));
        rig.document.addPane(tree);
        rig.document.addPane(categories);
    }
    ~PanelRig() {
        rig.document.removePane(tree);
        rig.document.removePane(categories);
    }

    void open(int width = 245, int height = 900) {
        view = new CCommandsView(rig.document, services, scan, commands);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);
        window.resize(width, height);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            qFatal("the panel was not shown");
        }
    }
    void setFlag(std::string_view name) {
        rig.settings.writeNumber(setting::kSettingsKey, name, 1);
    }

    void select(const char* number) {
        rig.document.setCurrentDisc(*rig.document.catalogue().findDisc(number));
        view->refreshDiscFields();
    }
    CQXDisc& disc(const char* number) { return *rig.document.catalogue().findDisc(number); }

    QLineEdit* field(const char* name) const { return child<QLineEdit>(*view, name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(*view, name); }
    QString text(const char* name) const { return child<QLabel>(*view, name)->text(); }
    void click(const char* button) const {
        QTest::mouseClick(child<QAbstractButton>(*view, button), Qt::LeftButton);
    }
    // Pastes the text over the whole field, as the user does with Ctrl+V.
    static void paste(QLineEdit* field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    DocumentRig rig;
    Log log;
    FakeTree tree{log};
    FakeCategories categories;
    test::FakeDiscDrives drives;
    FilterLists filterLists{rig.folder.path() + "/", rig.codePage};
    NoMediaTags mediaTags;
    test::FakeSearchWindows searchWindows;
    test::FakeCddbLookup cddb{log};
    test::FakeLending lending{log};
    test::FakeDiscNumbers discNumbers{log};
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    ScanServices scan{drives, filterLists, mediaTags, rig.settings, rig.prompt};
    CommandsServices commands{searchWindows, cddb, lending, discNumbers, rig.chat};
    QWidget window;
    CCommandsView* view = nullptr;
};

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

// Each text of the test, in the list the test compares with.
QStringList texts(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        list << QString::fromUtf8(item);
    }
    return list;
}

}  // namespace

class CommandsViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every tooltip is there from the start; every picture is drawn at twice its size too.
    void buttonsHaveTheirToolTipsAndSharpPictures() {
        PanelRig panel;
        panel.view = new CCommandsView(panel.rig.document, panel.services, panel.scan,
                                       panel.commands, &panel.window);
        const std::pair<const char*, const char*> buttons[] = {
            {"scanButton", "Scan a CD\t\tCtrl + Y"},
            {"findGapsButton", "Search for gaps in the CD index     Ctrl + G"},
            {"deleteButton", "Delete a CD     Del"},
            {"cddbButton", "CDDB query     Ctrl + D"},
            {"serverButton", "Show the QX server"},
            {"playlistsButton", "Manage playlists"},
            {"exportButton", "Export Databse"},
            {"optionsButton", "QX options"},
            {"changeNumberButton", "Change number\t\tEnter"},
            {"saveNotesButton", "Save notes"},
            {"showDiscButton", "Show CD\t\tEnter"},
            {"searchButton", "Start Search Center"},
            {"lendButton", "Lend discs to other persons\t\tEnter"},
            {"getBackButton", "Get CD back     Ctrl + B"},
            {"availableButton", "Show all  available discs\tCtrl + H"},
            {"nonAvailableButton", "Show all non-available Discs     Ctrl + X"},
        };
        for (const auto& [name, toolTip] : buttons) {
            const auto* button = child<QToolButton>(*panel.view, name);
            QCOMPARE(button->toolTip(), QString::fromLatin1(toolTip));
            const QSize size = button->iconSize();
            QVERIFY2(button->icon().availableSizes().contains(size * 2), name);
            const QImage sharp = button->icon().pixmap(size, 2.0).toImage();
            QCOMPARE(sharp.size(), size * 2);
            QVERIFY2(sharp.pixelColor(size.width(), size.height()).alpha() > 0 ||
                         sharp.pixelColor(size.width() / 2, size.height() / 2).alpha() > 0,
                     name);
        }
        QCOMPARE(child<QPushButton>(*panel.view, "helpWizardButton")->toolTip(),
                 QStringLiteral("Start Help Center"));
        QCOMPARE(child<QPushButton>(*panel.view, "helpWizardButton")->text(),
                 QStringLiteral("Help Wizard"));
        QCOMPARE(child<QToolButton>(*panel.view, "saveNotesButton")->text(),
                 QStringLiteral("Save notes"));
    }

    void fieldsShowTheCurrentDiscAndTheCounts() {
        PanelRig panel;
        panel.open();
        // Opening shows the current disc, which nobody chose yet.
        QVERIFY(panel.field("numberEdit")->text().isEmpty());
        QCOMPARE(panel.text("countText"), QStringLiteral("3"));
        QCOMPARE(panel.text("lastEntryText"), QStringLiteral("10"));

        panel.select("2");
        QCOMPARE(panel.field("numberEdit")->text(), QStringLiteral("2"));
        QCOMPARE(panel.field("nameEdit")->text(), QStringLiteral("LENT \u20AC"));
        QCOMPARE(panel.field("artistEdit")->text(), QStringLiteral("Beyonc\u00E9"));
        QCOMPARE(panel.field("qualityEdit")->text(), QStringLiteral("good"));
        QCOMPARE(panel.field("locationText")->text(), QStringLiteral("Maria"));
        QVERIFY(panel.field("locationText")->isReadOnly());
        // Showing a disc is no edit: nothing is armed or renamed.
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
        QVERIFY(panel.log.empty());

        panel.rig.document.catalogue().removeDisc("10");
        panel.view->showCatalogue();
        QCOMPARE(panel.text("countText"), QStringLiteral("2"));
        QCOMPARE(panel.text("lastEntryText"), QStringLiteral("2"));
    }

    // The field takes typed digits only, and tells when pasted text is no number.
    void numberFieldTakesDigitsAndChecksPastedText() {
        PanelRig panel;
        panel.open();
        panel.select("2");
        QLineEdit* number = panel.field("numberEdit");
        number->clear();
        QTest::keyClicks(number, QStringLiteral("12a.3"));
        QCOMPARE(number->text(), QStringLiteral("123"));
        QVERIFY(panel.rig.prompt.messages.empty());
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::ChangeNumber);

        PanelRig::paste(number, QStringLiteral("12a"));
        QCOMPARE(panel.rig.prompt.messages, Names{"Please, provide a number."});
        QCOMPARE(number->text(), QStringLiteral("2"));

        number->selectAll();
        QTest::keyClick(number, Qt::Key_Delete);
        QVERIFY(number->text().isEmpty());
        QCOMPARE(panel.rig.prompt.messages.size(), 1u);
        QVERIFY(panel.log.empty());
        QCOMPARE(panel.disc("2").number(), std::string("2"));
    }

    void anEmptyCatalogueTurnsTheNumberFieldAway() {
        PanelRig panel(CQXCatalog{});
        panel.open();
        QTest::keyClicks(panel.field("numberEdit"), QStringLiteral("5"));
        QCOMPARE(panel.rig.prompt.messages, Names{"Load a cd database first."});
        QVERIFY(panel.field("numberEdit")->text().isEmpty());
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
    }

    // The disc tree renames the disc at every keystroke, with what the number field holds.
    void theNameFollowsEveryKeystroke() {
        PanelRig panel;
        panel.open();
        panel.select("2");
        QLineEdit* name = panel.field("nameEdit");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("AB"));
        QCOMPARE(panel.log, (Log{"rename 2 A", "rename 2 AB"}));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::ChangeNumber);
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    void someoneElsesDiscKeepsItsName() {
        PanelRig panel(ownedCatalogue(), {"bob", "digest"});
        panel.open();
        panel.select("1");
        QTest::keyClicks(panel.field("nameEdit"), QStringLiteral("X"));
        QCOMPARE(panel.rig.prompt.messages, Names{"Operation not allowed! Logged in as : bob"});
        QVERIFY(panel.log.empty());
        QCOMPARE(panel.disc("1").name(), std::string("BACKUP"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
    }

    void detailsFollowTheAutomaticNotesSetting_data() {
        QTest::addColumn<bool>("automatic");
        QTest::newRow("automatic notes") << true;
        QTest::newRow("notes on request") << false;
    }

    void detailsFollowTheAutomaticNotesSetting() {
        QFETCH(bool, automatic);
        PanelRig panel;
        if (automatic) {
            panel.setFlag(setting::kAutoNotes);
        }
        panel.open();
        panel.select("1");
        auto* save = child<QToolButton>(*panel.view, "saveNotesButton");
        QCOMPARE(save->isVisible(), !automatic);

        QTest::keyClicks(panel.field("artistEdit"), QStringLiteral("!"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::StoreDetails);
        QCOMPARE(panel.disc("1").artist() == "Beyonc\u00E9!", automatic);
        QCOMPARE(panel.rig.document.isModified(), automatic);
        QTest::keyClicks(panel.field("qualityEdit"), QStringLiteral("?"));
        QCOMPARE(panel.disc("1").quality() == "good?", automatic);

        if (!automatic) {
            panel.rig.document.setEnterTarget(EnterTarget::None);
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(panel.disc("1").artist(), std::string("Beyonc\u00E9!"));
            QCOMPARE(panel.disc("1").quality(), std::string("good?"));
            QVERIFY(panel.rig.document.isModified());
            QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
        }
        QCOMPARE(panel.disc("2").artist(), std::string("Beyonc\u00E9"));
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    void statisticsFollowTheStatsSetting_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("stats shown") << true;
        QTest::newRow("stats hidden") << false;
    }

    void statisticsFollowTheStatsSetting() {
        QFETCH(bool, shown);
        PanelRig panel;
        if (shown) {
            panel.setFlag(setting::kStats);
        }
        panel.open();
        for (const char* name : {"ownerText", "sharedText", "filesText"}) {
            QCOMPARE(child<QLabel>(*panel.view, name)->isVisible(), shown);
        }
        for (const char* name : {"countText", "lastEntryText"}) {
            QVERIFY(child<QLabel>(*panel.view, name)->isVisible());
        }
        const auto* box = child<QLabel>(*panel.view, "ownerText")->parentWidget();
        int visibleCaptions = 0;
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            visibleCaptions += label->objectName().isEmpty() && label->isVisible() ? 1 : 0;
        }
        QCOMPARE(visibleCaptions, shown ? 5 : 2);
        if (shown) {
            QCOMPARE(panel.text("ownerText"), QStringLiteral("anna"));
            QCOMPARE(panel.text("sharedText"), QStringLiteral("2"));
            QCOMPARE(panel.text("filesText"), QStringLiteral("5"));
        } else {
            QVERIFY(panel.text("ownerText").isEmpty());
        }
    }

    // A catalogue without discs has no figures to show: the last ones stay.
    void statisticsOfAnEmptyCatalogueKeepTheLastFigures() {
        PanelRig panel;
        panel.setFlag(setting::kStats);
        panel.open();
        panel.disc("10").setShared("No");
        panel.view->refreshStatus();
        QCOMPARE(panel.text("sharedText"), QStringLiteral("1"));
        panel.rig.document.onFileNew();
        QCOMPARE(panel.text("countText"), QStringLiteral("0"));
        QVERIFY(panel.text("lastEntryText").isEmpty());
        QCOMPARE(panel.text("ownerText"), QStringLiteral("anna"));
        QCOMPARE(panel.text("sharedText"), QStringLiteral("1"));
        QCOMPARE(panel.text("filesText"), QStringLiteral("5"));
    }

    void statusLineFollowsTheChatComponent() {
        PanelRig panel;
        panel.open();
        QCOMPARE(panel.rig.document.statusText(), std::string("Logged in as :anna Con: No"));
        auto* timer = child<QTimer>(*panel.view, "statusTimer");
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(timer->isActive());
        panel.rig.chat.state = "CONNECTED";
        panel.rig.chat.transfers = 3;
        panel.rig.chat.users = 12;
        timer->setInterval(1);
        QTRY_COMPARE(panel.rig.document.statusText(),
                     std::string("Logged: anna Con: Yes Trs: 3 OnUsr: 12"));
    }

    void combosCompleteFromTheirHistory_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("items");
        const QStringList people = texts({"john", "Joe", "joan"});
        for (const QString& combo : {QStringLiteral("lendCombo"), QStringLiteral("searchCombo")}) {
            const QByteArray prefix = combo.toLatin1() + ": ";
            QTest::newRow(prefix + "jo proposes joan, not Joe")
                << combo << people << QStringLiteral("jo") << QStringLiteral("joan")
                << QStringLiteral("an") << texts({"jo", "joan", "john"});
            QTest::newRow(prefix + "jo itself sorts first")
                << combo << people + texts({"jo"}) << QStringLiteral("jo") << QStringLiteral("jo")
                << QString() << texts({"jo", "jo", "joan", "john"});
            QTest::newRow(prefix + "typing on replaces the proposed tail")
                << combo << people << QStringLiteral("joh") << QStringLiteral("john")
                << QStringLiteral("n") << texts({"joh", "john"});
            QTest::newRow(prefix + "a capital letter")
                << combo << people << QStringLiteral("J") << QStringLiteral("Joe")
                << QStringLiteral("oe") << texts({"J", "Joe"});
            QTest::newRow(prefix + "no match keeps the text")
                << combo << people << QStringLiteral("jx") << QStringLiteral("jx") << QString()
                << texts({"jx"});
            QTest::newRow(prefix + "a dot is never completed")
                << combo << texts({"j.r.r", "j.s"}) << QStringLiteral("j.") << QStringLiteral("j.")
                << QString() << texts({"j", "j.r.r", "j.s"});
        }
    }

    void combosCompleteFromTheirHistory() {
        QFETCH(QString, combo);
        QFETCH(QStringList, history);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, selected);
        QFETCH(QStringList, items);
        Names words;
        for (const QString& word : history) {
            words.push_back(fromQt(word));
        }
        CQXCatalog catalogue = ownedCatalogue();
        QVERIFY(replaceHistory(catalogue, kLendHistory, words));
        QVERIFY(replaceHistory(catalogue, kSearchHistory, words));
        PanelRig panel(std::move(catalogue));
        panel.setFlag(setting::kCombo);
        panel.open();
        QComboBox* box = panel.combo(qPrintable(combo));
        QTest::keyClicks(box, typed);
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(box->lineEdit()->selectedText(), selected);
        QCOMPARE(itemsOf(box), items);
        QCOMPARE(panel.rig.document.enterTarget(), combo == QStringLiteral("lendCombo")
                                                       ? EnterTarget::Lend
                                                       : EnterTarget::StartSearch);
    }

    // Without the setting the combos take what is typed; their list still offers the history.
    void completionIsOffWithoutTheComboSetting() {
        PanelRig panel;
        panel.open();
        QComboBox* lend = panel.combo("lendCombo");
        QTest::keyClicks(lend, QStringLiteral("jo"));
        QCOMPARE(lend->currentText(), QStringLiteral("jo"));
        QVERIFY(!lend->lineEdit()->hasSelectedText());
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::Lend);
        lend->showPopup();
        QCOMPARE(itemsOf(lend), texts({"jo", "joan", "john"}));
        QCOMPARE(lend->currentText(), QStringLiteral("jo"));
        lend->hidePopup();
        lend->clearEditText();
        lend->showPopup();
        QCOMPARE(itemsOf(lend), texts({"joan", "Joe", "john"}));
        lend->hidePopup();
    }

    // Backspace deletes the proposed tail without a new proposal; on its release the text is
    // cut at the caret, in the combo whose Enter is pending only.
    void backspaceCutsTheTextAtTheCaret() {
        PanelRig panel;
        panel.setFlag(setting::kCombo);
        panel.open();
        QComboBox* lend = panel.combo("lendCombo");
        QTest::keyClicks(lend, QStringLiteral("jo"));
        QCOMPARE(lend->currentText(), QStringLiteral("joan"));
        QTest::keyClick(lend, Qt::Key_Backspace);
        QCOMPARE(lend->currentText(), QStringLiteral("jo"));
        QVERIFY(!lend->lineEdit()->hasSelectedText());

        QTest::keyClicks(lend, QStringLiteral("hn"));
        QCOMPARE(lend->currentText(), QStringLiteral("john"));
        QTest::keyClick(lend, Qt::Key_Left);
        QTest::keyClick(lend, Qt::Key_Left);
        QTest::keyClick(lend, Qt::Key_Backspace);
        QCOMPARE(lend->currentText(), QStringLiteral("j"));
        QCOMPARE(lend->lineEdit()->cursorPosition(), 1);

        // Backspace at the start of the search text edits nothing: Enter still lends, and the
        // search text is not cut.
        QComboBox* search = panel.combo("searchCombo");
        search->setEditText(QStringLiteral("beach"));
        search->lineEdit()->setCursorPosition(0);
        QTest::keyClick(search, Qt::Key_Backspace);
        QCOMPARE(search->currentText(), QStringLiteral("beach"));
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::Lend);
    }

    void enterRunsWhatTheLastEditNamed_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("runs");
        QTest::newRow("CD Number") << QStringLiteral("numberEdit") << QStringLiteral("7")
                                   << texts({"change number 27 LENT \u20AC"});
        QTest::newRow("CD Name") << QStringLiteral("nameEdit") << QStringLiteral("X")
                                 << texts(
                                        {"rename 1 LENT \u20ACX", "change number 1 LENT \u20ACX"});
        QTest::newRow("find box") << QStringLiteral("findNumberEdit") << QStringLiteral("10")
                                  << texts({"show disc 10"});
        QTest::newRow("borrower") << QStringLiteral("lendCombo") << QStringLiteral("Maria")
                                  << texts({"lend Maria"});
    }

    // Enter in the field last edited runs its operation once; the next Enter runs nothing.
    void enterRunsWhatTheLastEditNamed() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, runs);
        PanelRig panel;
        panel.open();
        panel.select("2");
        // The number field holds 1 while disc 2 is current, so that the rename shows the
        // number handed over.
        if (field == QStringLiteral("nameEdit")) {
            panel.field("numberEdit")->setText(QStringLiteral("1"));
        }
        QWidget* widget = child<QWidget>(*panel.view, qPrintable(field));
        widget->setFocus();
        QTest::keyClicks(widget, typed);
        QTest::keyClick(widget, Qt::Key_Return);
        QStringList logged;
        for (const std::string& entry : panel.log) {
            logged << toQt(entry);
        }
        QCOMPARE(logged, runs);
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(static_cast<qsizetype>(panel.log.size()), runs.size());
    }

    void ctrlEnterRunsNothing() {
        PanelRig panel;
        panel.open();
        QTest::keyClicks(panel.combo("lendCombo"), QStringLiteral("Maria"));
        QTest::keyClick(panel.combo("lendCombo"), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(panel.log.empty());
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::Lend);
    }

    // The disc lent, the borrower field empties and the fields show the disc again.
    void lendEmptiesTheBorrowerOnlyWhenTheDiscWasLent() {
        PanelRig panel;
        panel.open();
        panel.select("1");
        QComboBox* lend = panel.combo("lendCombo");
        panel.lending.succeeds = false;
        QTest::keyClicks(lend, QStringLiteral("Maria"));
        panel.click("lendButton");
        QCOMPARE(lend->currentText(), QStringLiteral("Maria"));

        panel.lending.succeeds = true;
        panel.disc("1").setLocation("Maria");
        panel.rig.document.setCurrentDisc(panel.disc("1"));
        panel.click("lendButton");
        QVERIFY(lend->currentText().isEmpty());
        QCOMPARE(panel.field("locationText")->text(), QStringLiteral("Maria"));
        QCOMPARE(panel.log, (Log{"lend Maria", "lend Maria"}));
    }

    void enterAfterTheArtistStoresAndShowsTheDisc() {
        PanelRig panel;
        panel.open();
        panel.select("1");
        QLineEdit* artist = panel.field("artistEdit");
        artist->selectAll();
        QTest::keyClicks(artist, QStringLiteral("Prince"));
        QCOMPARE(panel.disc("1").artist(), std::string("Beyonc\u00E9"));
        QTest::keyClick(artist, Qt::Key_Return);
        QCOMPARE(panel.disc("1").artist(), std::string("Prince"));
        QCOMPARE(panel.rig.document.currentDisc().artist(), std::string("Prince"));
        QCOMPARE(artist->text(), QStringLiteral("Prince"));
        QVERIFY(panel.rig.document.isModified());
        QCOMPARE(panel.rig.document.enterTarget(), EnterTarget::None);
    }

    // Enter in the search pattern starts the search; the pattern joins the history.
    void enterInThePatternStartsTheSearch() {
        PanelRig panel;
        panel.open();
        QComboBox* pattern = panel.combo("searchCombo");
        QTest::keyClicks(pattern, QStringLiteral("sea"));
        QTest::keyClick(pattern, Qt::Key_Return);
        const SearchQuery query{"sea", "names", "all", "", "", "", "And"};
        QCOMPARE(panel.searchWindows.requests(),
                 (std::vector<SearchRequest>{{query, {}, true, false}}));
        QCOMPARE(historyWords(panel.rig.document.catalogue(), kSearchHistory),
                 (Names{"beach", "mp3", "sea"}));
        // Enter adds nothing to the list.
        QCOMPARE(pattern->count(), 0);
    }

    void showCdChecksTheFindNumber_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("zero") << QStringLiteral("0") << false;
        QTest::newRow("letters") << QStringLiteral("1a") << false;
        QTest::newRow("too large") << QStringLiteral("2147483648") << false;
        QTest::newRow("largest") << QStringLiteral("2147483647") << true;
        QTest::newRow("leading zeros") << QStringLiteral("005") << true;
    }

    void showCdChecksTheFindNumber() {
        QFETCH(QString, pasted);
        QFETCH(bool, valid);
        PanelRig panel;
        panel.open();
        QLineEdit* find = panel.field("findNumberEdit");
        PanelRig::paste(find, pasted);
        panel.click("showDiscButton");
        if (valid) {
            QCOMPARE(panel.log, Log{"show disc " + std::to_string(pasted.toInt())});
            QVERIFY(panel.rig.prompt.messages.empty());
        } else {
            QVERIFY(panel.log.empty());
            QCOMPARE(panel.rig.prompt.messages,
                     Names{"Please enter an integer between 1 and 2147483647."});
        }
    }

    void startSearchCenterKeepsTheWindowsItOpens() {
        PanelRig panel;
        panel.open();
        // An empty pattern searches everything by category, with no category to narrow it.
        panel.click("searchButton");
        auto* byCategory = child<QRadioButton>(*panel.view, "byCategoryRadio");
        byCategory->click();
        panel.click("searchButton");
        QCOMPARE(panel.rig.prompt.messages, Names{"Please, select categories."});
        panel.categories.chosen = {"Audio", "Work"};
        panel.combo("searchCombo")->setEditText(QStringLiteral("rock"));
        panel.click("searchButton");
        const SearchQuery all{"*", "names", "byCat", "", "", "", "And"};
        const SearchQuery rock{"rock", "names", "byCat", "", "", "", "And"};
        QCOMPARE(panel.searchWindows.requests(),
                 (std::vector<SearchRequest>{{all, {}, true, false},
                                             {rock, {"Audio", "Work"}, true, false}}));
        QVERIFY(panel.view->searchWindowsOpen());

        // A window that closes is forgotten once it is done closing.
        auto first = panel.searchWindows.opened[0];
        first->close();
        QVERIFY(!first->ended);
        QTRY_VERIFY(first->ended);
        QVERIFY(!panel.searchWindows.opened[1]->ended);

        panel.view->applyToSearchWindows(SearchWindowWord::Minimize);
        panel.view->closeSearchWindows();
        QCOMPARE(
            panel.searchWindows.opened[1]->words,
            (std::vector<SearchWindowWord>{SearchWindowWord::Minimize, SearchWindowWord::Close}));
        QVERIFY(panel.searchWindows.opened[1]->ended);
        QVERIFY(!panel.view->searchWindowsOpen());
    }

    void anEmptyCatalogueOpensNoSearchWindow() {
        PanelRig panel(CQXCatalog{});
        panel.open();
        panel.click("searchButton");
        panel.view->openSearchWindow({"*", "files", "byCat", "", "", "", "And"}, true);
        QVERIFY(panel.searchWindows.opened.empty());
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    void buttonsReachTheirOperations_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("runs");
        QTest::newRow("find gaps")
            << QStringLiteral("findGapsButton") << QStringLiteral("find gaps");
        QTest::newRow("delete") << QStringLiteral("deleteButton") << QStringLiteral("tree delete");
        QTest::newRow("cddb") << QStringLiteral("cddbButton") << QStringLiteral("cddb 1 BACKUP");
        QTest::newRow("change number")
            << QStringLiteral("changeNumberButton") << QStringLiteral("change number 1 BACKUP");
        QTest::newRow("get back") << QStringLiteral("getBackButton") << QStringLiteral("get back");
        QTest::newRow("available")
            << QStringLiteral("availableButton") << QStringLiteral("available list");
        QTest::newRow("non-available")
            << QStringLiteral("nonAvailableButton") << QStringLiteral("non-available list Maria");
        QTest::newRow("lend") << QStringLiteral("lendButton") << QStringLiteral("lend Maria");
    }

    void buttonsReachTheirOperations() {
        QFETCH(QString, button);
        QFETCH(QString, runs);
        PanelRig panel;
        panel.open();
        panel.select("1");
        panel.combo("lendCombo")->setEditText(QStringLiteral("Maria"));
        panel.click(qPrintable(button));
        Log all = panel.log;
        all.insert(all.end(), panel.rig.log.begin(), panel.rig.log.end());
        QCOMPARE(all, Log{fromQt(runs)});
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    // Without a chat account the server button offers to make one before it shows the server.
    void theServerButtonChecksTheChatAccountFirst() {
        PanelRig panel;
        panel.open();
        panel.rig.prompt.answers = {Answer::Yes};
        panel.click("serverButton");
        QCOMPARE(panel.rig.prompt.messages,
                 std::vector<std::string>{std::string(kChatAccountQuestion)});
        QCOMPARE(panel.rig.log, (Log{"chat account dialog", "chat shown"}));
    }

    void cddbQueryRefusesSomeoneElsesCatalogue() {
        PanelRig panel(ownedCatalogue(), {"bob", "digest"});
        panel.open();
        panel.select("1");
        panel.click("cddbButton");
        QCOMPARE(panel.rig.prompt.messages, Names{"Operation not allowed! Logged in as : bob"});
        QVERIFY(panel.log.empty());
    }

    void theMainWindowShowsTheHelpWizardAndTheOptions() {
        PanelRig panel;
        panel.open();
        QSignalSpy wizard(panel.view, &CCommandsView::helpWizardRequested);
        QSignalSpy options(panel.view, &CCommandsView::optionsRequested);
        panel.click("helpWizardButton");
        panel.click("optionsButton");
        QCOMPARE(wizard.count(), 1);
        QCOMPARE(options.count(), 1);
    }

    // Every disc goes on the page, shared or not, under the document's title.
    void exportDatabseWritesEveryDiscToTheChosenFile() {
        PanelRig panel(ownedCatalogue(), {"bob", "digest"});
        panel.rig.prompt.files.push_back(panel.rig.folder.file("discs"));
        panel.open();
        panel.click("exportButton");
        const std::string page = test::readFile(panel.rig.folder.file("discs.html"));
        QVERIFY(page.starts_with("<html>\n<head>\n<title>Database Export: Untitled</title>"));
        const std::size_t discs = panel.rig.document.catalogue().discs.size();
        QVERIFY(page.ends_with("&nbsp;" + std::to_string(discs) +
                               " CDs </span></p>\n</body>\n</html>"));
        QVERIFY(page.find(">CD # " +
                          std::string(panel.rig.document.catalogue().discs.back()->number()) +
                          "<") != std::string::npos);
        QVERIFY(panel.rig.prompt.messages.empty());
    }

    void extrasStartsAsTheSettingSays() {
        for (const bool ticked : {false, true}) {
            PanelRig panel;
            if (ticked) {
                panel.setFlag(setting::kExtraSearch);
            }
            panel.open();
            QCOMPARE(child<QCheckBox>(*panel.view, "extrasBox")->isChecked(), ticked);
            QVERIFY(child<QRadioButton>(*panel.view, "everythingRadio")->isChecked());
        }
    }

    // At its narrowest usual width the panel shows every text whole; with VORLIX_GRAB_DIR set
    // its picture is left there for a look at it.
    void everyTextFitsThePanel() {
        PanelRig panel;
        panel.setFlag(setting::kStats);
        panel.open(245, 600);
        panel.select("2");
        for (const QWidget* widget : panel.view->findChildren<QWidget*>()) {
            if (!widget->isVisible()) {
                continue;
            }
            const bool text = qobject_cast<const QLabel*>(widget) != nullptr ||
                              qobject_cast<const QAbstractButton*>(widget) != nullptr;
            if (text || qobject_cast<const QLineEdit*>(widget) != nullptr) {
                QVERIFY2(widget->width() >= widget->minimumSizeHint().width(),
                         widget->metaObject()->className());
            }
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                QVERIFY2(widget->width() >= label->sizeHint().width(), qPrintable(label->text()));
            }
        }
        const QPixmap picture = panel.window.grab();
        QVERIFY(!picture.isNull());
        const QString folder = qEnvironmentVariable("VORLIX_GRAB_DIR");
        if (!folder.isEmpty()) {
            QVERIFY(picture.save(folder + QStringLiteral("/commands_panel.png")));
        }
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::CommandsViewTest)
#include "commands_view_test.moc"
