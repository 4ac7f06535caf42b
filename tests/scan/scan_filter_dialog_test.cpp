#include "scan/ui/scan_filter_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/code_page.h"
#include "scan/filter_lists.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {
namespace {

const QString kQuestion = QStringLiteral(
    "This extension is currently filtered out. \n\t\t\tWould you like to add it to your extension "
    "list?");

// One filter dialog over list files in a fresh folder, shown as the scan dialog shows it.
class Fixture {
public:
    Fixture(std::string_view keepFile, std::string_view skipFile,
            std::vector<std::string> detected = {}, std::uint32_t delNoExt = 0) {
        settings.writeNumber(setting::kSettingsKey, setting::kDelNoExt, delNoExt);
        test::writeFile(m_dir.file("ext.txt"), keepFile);
        test::writeFile(m_dir.file("noscan.txt"), skipFile);
        if (!m_lists.load().ok()) {
            qFatal("the list files could not be loaded");
        }
        this->detected = std::move(detected);
        dialog = std::make_unique<ScanFilterDialog>(m_lists, this->detected, prompt, settings);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) {
            qFatal("the dialog was not shown");
        }
    }

    template <typename T>
    T* child(const char* name) const {
        return test::child<T>(*dialog, name);
    }

    QTreeWidget* detectedList() const { return child<QTreeWidget>("detectedExtensions"); }
    QTreeWidget* keepList() const { return child<QTreeWidget>("keepExtensions"); }

    void click(const char* button) const {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    void typeAndAddNew(const QString& text) const {
        QLineEdit* edit = child<QLineEdit>("newExtension");
        edit->setFocus();
        // QTest types Latin-1 only; other characters arrive as an input method would put them.
        if (text.toLatin1() == text.toUtf8()) {
            QTest::keyClicks(edit, text);
        } else {
            edit->insert(text);
        }
        click("addNew");
    }

    // Selects rows as the user does: a click on the first, Ctrl+click on the others.
    static void select(QTreeWidget* list, const std::vector<int>& rows) {
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        for (const int row : rows) {
            const QRect rect = list->visualItemRect(list->topLevelItem(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
            modifiers = Qt::ControlModifier;
        }
    }

    static QStringList rows(const QTreeWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            texts.append(list->topLevelItem(i)->text(0));
        }
        return texts;
    }

    QString keepFile() const {
        return QString::fromStdString(test::readFile(m_dir.file("ext.txt")));
    }
    QString skipFile() const {
        return QString::fromStdString(test::readFile(m_dir.file("noscan.txt")));
    }
    QStringList messages() const {
        QStringList texts;
        for (const std::string& text : prompt.messages) {
            texts.append(QString::fromStdString(text));
        }
        return texts;
    }

private:
    test::TempDir m_dir;
    Windows1252 m_codePage;
    FilterLists m_lists{m_dir.path() + "/", m_codePage};

public:
    std::vector<std::string> detected;
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
    std::unique_ptr<ScanFilterDialog> dialog;
};

}  // namespace

class ScanFilterDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showsItsTextsAndTwoListsWithIcons() {
        Fixture f("avi\r\nmp3\r\n", "", {"txt", "zzq"});
        QCOMPARE(f.dialog->windowTitle(), QStringLiteral("QX Scan Filter Extensions"));
        QVERIFY(!f.dialog->isModal());
        QCOMPARE(f.child<QLabel>("introText")->text(),
                 QStringLiteral("Orvanta has detected unknown file extensions. Please, add the "
                                "file extensions you want to keep on the right. The remaining "
                                "file extensions are going to be removed/not added to your "
                                "database. You can also manually enter a specific file "
                                "extension."));
        QCOMPARE(f.child<QCheckBox>("deleteWithoutExtension")->text(),
                 QStringLiteral("Delete files without extension"));
        QCOMPARE(f.child<QPushButton>("addNew")->text(), QStringLiteral("Add New"));
        QCOMPARE(f.child<QLabel>("detectedLabel")->text(), QStringLiteral("Detected Extensions:"));
        QCOMPARE(f.child<QLabel>("keepLabel")->text(), QStringLiteral("Keep Extensions:"));
        QCOMPARE(f.child<QGroupBox>("editExtensions")->title(), QStringLiteral("Edit Extensions"));
        QCOMPARE(f.child<QPushButton>("addSelected")->text(), QStringLiteral("Add   >>"));
        QCOMPARE(f.child<QPushButton>("removeSelected")->text(), QStringLiteral("<< Remove"));
        QCOMPARE(f.child<QPushButton>("ok")->text(), QStringLiteral("OK"));
        QCOMPARE(f.child<QPushButton>("cancel")->text(), QStringLiteral("Cancel"));

        for (QTreeWidget* list : {f.detectedList(), f.keepList()}) {
            QCOMPARE(list->headerItem()->text(0), QStringLiteral("Ext"));
            QCOMPARE(list->columnCount(), 1);
            QCOMPARE(list->columnWidth(0), 80);
            QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                QVERIFY(!list->topLevelItem(i)->icon(0).isNull());
            }
        }
        QCOMPARE(Fixture::rows(f.keepList()),
                 (QStringList{QStringLiteral("mp3"), QStringLiteral("avi")}));
        QCOMPARE(Fixture::rows(f.detectedList()),
                 (QStringList{QStringLiteral("zzq"), QStringLiteral("txt")}));
    }

    void addNewWithoutDetectedRowsKeepsTheTextAsTyped() {
        Fixture f("avi\r\n", "");
        f.typeAndAddNew(QStringLiteral("MP3"));
        QCOMPARE(Fixture::rows(f.keepList()),
                 (QStringList{QStringLiteral("MP3"), QStringLiteral("avi")}));
        QVERIFY(f.child<QLineEdit>("newExtension")->text().isEmpty());
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.keepFile(), QStringLiteral("avi\r\n"));
        QVERIFY(f.dialog->isVisible());
    }

    void enterInTheEditFieldAddsNewAndLeavesTheDialogOpen() {
        Fixture f("", "");
        QLineEdit* edit = f.child<QLineEdit>("newExtension");
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ogg"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(Fixture::rows(f.keepList()), QStringList{QStringLiteral("ogg")});
        QVERIFY(f.dialog->isVisible());
    }

    void addNewWithDetectedRowsAsksAndLowerCases_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("detectedRows");
        QTest::addColumn<QStringList>("keepRows");
        QTest::newRow("yes") << true << QStringList{QStringLiteral("nfo")}
                             << QStringList{QStringLiteral("txt"), QStringLiteral("mp3")};
        QTest::newRow("no") << false << QStringList{QStringLiteral("nfo"), QStringLiteral("txt")}
                            << QStringList{QStringLiteral("mp3")};
    }

    void addNewWithDetectedRowsAsksAndLowerCases() {
        QFETCH(bool, yes);
        QFETCH(QStringList, detectedRows);
        QFETCH(QStringList, keepRows);
        Fixture f("mp3\r\n", "", {"txt", "nfo"});
        f.prompt.answers = {yes ? Answer::Yes : Answer::No};
        f.typeAndAddNew(QStringLiteral("TXT"));
        QCOMPARE(f.messages(), QStringList{kQuestion});
        QCOMPARE(Fixture::rows(f.detectedList()), detectedRows);
        QCOMPARE(Fixture::rows(f.keepList()), keepRows);
        QVERIFY(f.child<QLineEdit>("newExtension")->text().isEmpty());
    }

    void addNewRefusesAnExtensionAlreadyKept() {
        Fixture f("mp3\r\n", "", {"txt"});
        f.typeAndAddNew(QStringLiteral("Mp3"));
        QCOMPARE(f.messages(),
                 QStringList{QStringLiteral("This extension is already on the list!")});
        QCOMPARE(Fixture::rows(f.keepList()), QStringList{QStringLiteral("mp3")});
        QVERIFY(f.child<QLineEdit>("newExtension")->text().isEmpty());
    }

    void addSelectedMovesRowsAndRewritesTheSkipList() {
        Fixture f("mp3\r\n", "tmp\r\ndoc\r\n", {"doc", "txt", "nfo"});
        Fixture::select(f.detectedList(), {0, 2});  // nfo, doc
        f.click("addSelected");
        QCOMPARE(
            Fixture::rows(f.keepList()),
            (QStringList{QStringLiteral("doc"), QStringLiteral("nfo"), QStringLiteral("mp3")}));
        QCOMPARE(Fixture::rows(f.detectedList()), QStringList{QStringLiteral("txt")});
        QCOMPARE(f.skipFile(), QStringLiteral("tmp\r\n"));
        QCOMPARE(f.keepFile(), QStringLiteral("mp3\r\n"));
    }

    void removeSelectedMovesRowsBackAndRewritesTheKeepList() {
        Fixture f("avi\r\njpg\r\nmp3\r\n", "", {"txt"});
        Fixture::select(f.keepList(), {0, 2});  // mp3, avi
        f.click("removeSelected");
        QCOMPARE(Fixture::rows(f.keepList()), QStringList{QStringLiteral("jpg")});
        QCOMPARE(
            Fixture::rows(f.detectedList()),
            (QStringList{QStringLiteral("avi"), QStringLiteral("mp3"), QStringLiteral("txt")}));
        QCOMPARE(f.keepFile(), QStringLiteral("jpg\r\n"));
    }

    void okWritesTheRowsInTheOrderShownAndCloses() {
        Fixture f("avi\r\njpg\r\n", "tmp\r\n", {"txt", "nfo"});
        f.typeAndAddNew(QStringLiteral("PNG"));
        f.click("ok");
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(f.keepFile(), QStringLiteral("png\r\njpg\r\navi\r\n"));
        QCOMPARE(f.skipFile(), QStringLiteral("tmp\r\nnfo\r\ntxt\r\n"));
        QVERIFY(f.detected.empty());
    }

    void okWithAFailedWriteStaysOpen() {
        Fixture f("avi\r\n", "", {"txt"});
        // Characters that the ANSI code page cannot store make the write fail.
        f.typeAndAddNew(QStringLiteral("\u65E5\u672C"));
        f.click("ok");
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.messages().size(), 1);
        QVERIFY(f.messages().first().startsWith(
            QStringLiteral("Could not write the scan filter list")));
        QCOMPARE(f.keepFile(), QStringLiteral("avi\r\n"));
        QCOMPARE(f.detected, std::vector<std::string>{"txt"});
    }

    void cancelKeepsWhatWasWritten() {
        Fixture f("mp3\r\n", "txt\r\n", {"txt", "doc"});
        Fixture::select(f.detectedList(), {1});  // txt
        f.click("addSelected");
        f.click("cancel");
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(f.skipFile(), QString());
        QCOMPARE(f.keepFile(), QStringLiteral("mp3\r\n"));
        QCOMPARE(f.detected, (std::vector<std::string>{"txt", "doc"}));
    }

    void checkBoxWritesDelNoExt() {
        Fixture f("", "");
        QCheckBox* box = f.child<QCheckBox>("deleteWithoutExtension");
        QVERIFY(!box->isChecked());
        // The box stretches over the dialog; a click counts on its square or its text.
        QStyleOptionButton option;
        option.initFrom(box);
        const QPoint square =
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, square);
        QVERIFY(box->isChecked());
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kDelNoExt), 1u);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, square);
        QVERIFY(!box->isChecked());
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kDelNoExt), 0u);
    }

    void checkBoxIsTickedForAnyNonzeroDelNoExt() {
        Fixture f("", "", {}, 5);
        QVERIFY(f.child<QCheckBox>("deleteWithoutExtension")->isChecked());
        QCOMPARE(f.settings.readNumber(setting::kSettingsKey, setting::kDelNoExt), 5u);
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::ScanFilterDialogTest)
#include "scan_filter_dialog_test.moc"
