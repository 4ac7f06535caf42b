// The options dialog as the user meets it: its page list, each control against its setting,
// Apply, OK and Cancel, the logon entry and the two RESTORE buttons.
#include "app/options/ui/dialog_options.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/options/options_settings.h"
#include "app/options/settings_restore.h"
#include "app/options/ui/options_page.h"
#include "app/setting_names.h"
#include "platform/logon_entry.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using namespace setting;
using test::child;

enum class Control { CheckBox, NegatedCheckBox, RadioPair, NumberField };

// A Wordlists page that only remembers being told of OK.
class RecordingWordlistsPage final : public OptionsPage {
public:
    RecordingWordlistsPage() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(createPageTitle(QStringLiteral("Wordlist Options"), this));
        layout->addStretch();
    }
    void dialogAccepted() override { ++accepted; }
    void settingsReloaded() override {}
    int accepted = 0;
};

const QStringList kItems = {QStringLiteral("General"), QStringLiteral("Interface"),
                            QStringLiteral("Net"),     QStringLiteral("Startup"),
                            QStringLiteral("Restore"), QStringLiteral("Wordlists")};
const QStringList kTitles = {QStringLiteral("General"),      QStringLiteral("Interface"),
                             QStringLiteral("Net Settings"), QStringLiteral("Startup"),
                             QStringLiteral("Restore"),      QStringLiteral("Wordlist Options")};

// How many settings the Apply of each of the first four pages writes.
constexpr int kPageSizes[] = {8, 11, 7, 6};

// The dialog over fresh settings, shown as the document shows it.
struct Setup {
    explicit Setup(std::function<void(test::MemorySettings&)> prepare = {}) {
        if (prepare) {
            prepare(settings);
        }
        options = std::make_unique<OptionsSettings>(settings, entry);
        wordlists = new RecordingWordlistsPage;
        dialog = std::make_unique<CDialogOptions>(*options, restore, prompt, wordlists);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) {
            qFatal("the options dialog was not shown");
        }
    }

    QListWidget& list() const { return *child<QListWidget>(*dialog, "pageList"); }
    QStackedWidget& stack() const { return *child<QStackedWidget>(*dialog, "pageStack"); }
    QWidget& page(int index) const { return *stack().widget(index); }

    void choose(int index) const {
        QListWidget& pages = list();
        const QRect place = pages.visualItemRect(pages.item(index));
        QTest::mouseClick(pages.viewport(), Qt::LeftButton, {}, place.center());
    }
    void clickButton(int pageIndex, const char* name) const {
        choose(pageIndex);
        QTest::mouseClick(child<QPushButton>(page(pageIndex), name), Qt::LeftButton);
    }
    void clickBox(QDialogButtonBox::StandardButton which) const {
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(which), Qt::LeftButton);
    }

    test::TempDir folder;
    test::MemorySettings settings;
    test::ScriptedPrompt prompt;
    LogonEntry entry{folder.file("autostart"), "/usr/bin/vorlix"};
    SettingsRestore restore{settings, prompt, std::string(VORLIX_SOURCE_DIR) + "/data"};
    std::unique_ptr<OptionsSettings> options;
    RecordingWordlistsPage* wordlists = nullptr;
    std::unique_ptr<CDialogOptions> dialog;
};

// Clicks a check box or radio button on its indicator, which stands at its left: a box wider
// than its text does not react to a click in the empty part on its right.
void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void clickCheckBox(QWidget& page, const char* name) {
    clickIndicator(child<QCheckBox>(page, name));
}

// Replaces what a field holds by typing.
void retype(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

}  // namespace

class DialogOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void listsTheSixPagesWithTheirIconsAndOpensOnGeneral() {
        Setup s;
        QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Orvanta Settings"));
        QVERIFY(s.dialog->isModal());
        QCOMPARE(s.list().count(), 6);
        QCOMPARE(s.stack().count(), 6);
        QCOMPARE(s.list().iconSize(), QSize(32, 32));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(s.list().item(i)->text(), kItems[i]);
            const QIcon icon = s.list().item(i)->icon();
            QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
            QCOMPARE(child<QLabel>(s.page(i), "pageTitle")->text(), kTitles[i]);
        }
        QCOMPARE(s.stack().currentIndex(), 0);
        for (const int chosen : {3, 5, 0, 4}) {
            s.choose(chosen);
            for (int i = 0; i < 6; ++i) {
                QCOMPARE(s.page(i).isVisible(), i == chosen);
            }
        }
        auto* buttons = s.dialog->findChild<QDialogButtonBox*>();
        QCOMPARE(buttons->buttons().size(), 2);
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }

    // Each control shows its setting as stored, and after the user changes it Apply stores
    // the change.
    void eachControlShowsAndWritesItsSetting_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("controlKind");
        struct Row {
            int page;
            const char* text;
            std::string_view key;
            std::string_view name;
            Control control;
        };
        const Row rows[] = {
            {0, "Automatically Share Scanned CDs", kSettingsKey, kShare, Control::CheckBox},
            {0, "Extra Search by Default", kSettingsKey, kExtraSearch, Control::CheckBox},
            {0, "Perform a database optimization check before optimization", kSettingsKey,
             kOptimizationCheck, Control::CheckBox},
            {0, "Enable CDDB", kSettingsKey, kCddb, Control::CheckBox},
            {0, "Winamp|BSPlayer", kSettingsKey, kDefaultPlayer, Control::RadioPair},
            {0, "Create|Append", kSettingsKey, kPlaylistAction, Control::RadioPair},
            {0, "Enable", kSettingsKey, kEnableOverdue, Control::CheckBox},
            {0, "Interval:", kSettingsKey, kIntervalDue, Control::NumberField},
            {1, "Active Combo Boxes", kSettingsKey, kCombo, Control::CheckBox},
            {1, "Automatic Notes", kSettingsKey, kAutoNotes, Control::CheckBox},
            {1, "Large File Icons By Default", kSettingsKey, kLargeFileIcons, Control::CheckBox},
            {1, "Show Default Categories", kSettingsKey, kDefCats, Control::CheckBox},
            {1, "Enable Dynamic Filtering", kSettingsKey, kEnableDynamic, Control::CheckBox},
            {1, "Large Tree Icon by Default", kSettingsKey, kLargeTreeIcons, Control::CheckBox},
            {1, "Show Comprehensive Stats", kSettingsKey, kStats, Control::CheckBox},
            {1, "Expanded Login Dialog by Default", kSettingsKey, kExpLogin, Control::CheckBox},
            {1, "Expanded Transfer Dialog by Default", kSettingsKey, kExpTransfer,
             Control::CheckBox},
            {1, "Expanded Copy Dialog by Default", kSettingsKey, kExpCopy, Control::CheckBox},
            {2, "Visible by Default", kSettingsKey, kVisible, Control::CheckBox},
            {2, "Shared Database by Default", kSettingsKey, kShareDb, Control::CheckBox},
            {2, "Show confirm dialog when transferring files", kSettingsKey, kConfirmTransfer,
             Control::CheckBox},
            {2, "Show Transfer Dialog Automatically", kSettingsKey, kTransferAuto,
             Control::CheckBox},
            {2, "Remember Chat Dialog Size", kSettingsKey, kChatSize, Control::CheckBox},
            {2, "Enable", kSettingsKey, kEnableClear, Control::CheckBox},
            {2, "Max Lines:", kSettingsKey, kClearLines, Control::NumberField},
            {3, "Run Orvanta On Startup", kSettingsKey, kAutoStart, Control::CheckBox},
            {3, "Minimize QX to the Tray when started", kSettingsKey, kMinimized,
             Control::CheckBox},
            {3, "Load Last Database", kSettingsKey, kLoadDb, Control::CheckBox},
            {3, "Check Network Status on Startup", kSettingsKey, kNetStatus, Control::CheckBox},
            {3, "Enable Scan Filter on Start Up", kSettingsKey, kFilter, Control::CheckBox},
            {3, "Show Tips And Tricks On Startup", kTipKey, kTipStartUp, Control::NegatedCheckBox},
        };
        for (const Row& row : rows) {
            QTest::newRow(std::string(row.name).c_str())
                << row.page << QString::fromLatin1(row.text)
                << QString::fromLatin1(row.key.data(), row.key.size())
                << QString::fromLatin1(row.name.data(), row.name.size())
                << static_cast<int>(row.control);
        }
    }

    void eachControlShowsAndWritesItsSetting() {
        QFETCH(int, page);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(int, controlKind);
        const auto control = static_cast<Control>(controlKind);
        const std::string k = key.toStdString();
        const std::string n = name.toStdString();
        for (const std::optional<std::uint32_t> stored :
             {std::optional<std::uint32_t>(), std::optional<std::uint32_t>(0),
              std::optional<std::uint32_t>(1), std::optional<std::uint32_t>(2),
              std::optional<std::uint32_t>(4294967295u)}) {
            const QByteArray trace = name.toLatin1() + " stored as " +
                                     (stored ? QByteArray::number(*stored) : "nothing");
            Setup s([&](test::MemorySettings& settings) {
                settings.writeNumber(kSettingsKey, kEnableOverdue, 1);
                settings.writeNumber(kSettingsKey, kEnableClear, 1);
                if (stored) {
                    settings.writeNumber(k, n, *stored);
                } else {
                    settings.deleteValue(k, n);
                }
            });
            const std::size_t before = s.settings.numbers.size();
            s.choose(page);
            QWidget& shown = s.page(page);
            const bool on = stored == 1u;
            std::uint32_t expected = 0;
            switch (control) {
                case Control::CheckBox:
                case Control::NegatedCheckBox: {
                    auto* box = child<QCheckBox>(shown, n.c_str());
                    QVERIFY2(box->isVisible(), trace);
                    QCOMPARE(box->text(), text);
                    const bool ticked = control == Control::CheckBox ? on : !on;
                    QVERIFY2(box->isChecked() == ticked, trace);
                    clickIndicator(box);
                    expected = (control == Control::CheckBox) == ticked ? 0 : 1;
                    break;
                }
                case Control::RadioPair: {
                    auto* first = child<QRadioButton>(shown, (n + "0").c_str());
                    auto* second = child<QRadioButton>(shown, (n + "1").c_str());
                    QCOMPARE(first->text() + QLatin1Char('|') + second->text(), text);
                    QVERIFY2(first->isChecked() == !on && second->isChecked() == on, trace);
                    clickIndicator(on ? first : second);
                    expected = on ? 0 : 1;
                    break;
                }
                case Control::NumberField: {
                    auto* field = child<QLineEdit>(shown, n.c_str());
                    QVERIFY2(field->isEnabled(), trace);
                    QCOMPARE(field->text(), QString::number(stored.value_or(0)));
                    retype(*field, QStringLiteral("365"));
                    expected = 365;
                    break;
                }
            }
            QCOMPARE(s.settings.numbers.size(), before);  // nothing written yet
            s.clickButton(page, "applyButton");
            QVERIFY2(s.settings.readNumber(k, n) == expected, trace);
            QCOMPARE(s.settings.numbers.size(),
                     std::size_t(kPageSizes[page] + (page == 0 || page == 2 ? 1 : 2)));
        }
    }

    void theNumberFieldsFollowTheirEnableBoxesAndTakeWholeNumbersOnly() {
        Setup s;
        auto* interval = child<QLineEdit>(s.page(0), "intervaldue");
        auto* lines = child<QLineEdit>(s.page(2), "clearlines");
        QCOMPARE(interval->text(), QStringLiteral("0"));
        QCOMPARE(lines->text(), QStringLiteral("0"));
        QVERIFY(!interval->isEnabled());
        QVERIFY(!lines->isEnabled());

        clickCheckBox(s.page(0), "enableoverdue");
        QVERIFY(interval->isEnabled());
        QTest::keyClick(interval, Qt::Key_End);
        QTest::keyClicks(interval, QStringLiteral("1x4-"));
        QCOMPARE(interval->text(), QStringLiteral("014"));
        retype(*interval, QStringLiteral("42949672956"));
        QCOMPARE(interval->text(), QStringLiteral("4294967295"));
        retype(*interval, QString());
        s.clickButton(0, "applyButton");
        QCOMPARE(s.settings.readNumber(kSettingsKey, kIntervalDue), 0u);
        QCOMPARE(s.settings.readNumber(kSettingsKey, kEnableOverdue), 1u);
        clickCheckBox(s.page(0), "enableoverdue");
        QVERIFY(!interval->isEnabled());

        s.choose(2);
        clickCheckBox(s.page(2), "enableclear");
        QVERIFY(lines->isEnabled());
    }

    void theHiddenPlaylistBoxIsKeptAndWritten() {
        Setup s([](test::MemorySettings& settings) {
            settings.writeNumber(kSettingsKey, kExpPlaylist, 1);
        });
        s.choose(1);
        auto* box = child<QCheckBox>(s.page(1), "expplaylist");
        QVERIFY(!box->isVisible());
        QVERIFY(box->isChecked());
        s.clickButton(1, "applyButton");
        QCOMPARE(s.settings.readNumber(kSettingsKey, kExpPlaylist), 1u);
    }

    void cancelWritesNothing() {
        Setup s;
        s.choose(0);
        clickCheckBox(s.page(0), "share");
        s.choose(1);
        clickCheckBox(s.page(1), "stats");
        s.choose(2);
        clickCheckBox(s.page(2), "visible");
        s.choose(3);
        clickCheckBox(s.page(3), "loaddb");
        s.clickBox(QDialogButtonBox::Cancel);
        QCOMPARE(s.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!s.dialog->isVisible());
        QVERIFY(s.settings.numbers.empty());
        QCOMPARE(s.wordlists->accepted, 0);
    }

    void applyWritesOnlyItsPageAndStaysAfterCancel() {
        Setup s;
        s.choose(0);
        clickCheckBox(s.page(0), "share");
        s.choose(1);
        clickCheckBox(s.page(1), "stats");
        s.clickButton(1, "applyButton");
        QCOMPARE(s.settings.numbers.size(), std::size_t(11));
        QCOMPARE(s.settings.readNumber(kSettingsKey, kStats), 1u);
        QVERIFY(!s.settings.numbers.contains({std::string(kSettingsKey), std::string(kShare)}));
        s.clickBox(QDialogButtonBox::Cancel);
        QCOMPARE(s.settings.numbers.size(), std::size_t(11));
        QCOMPARE(s.settings.readNumber(kSettingsKey, kStats), 1u);
    }

    void okWritesTheFourPagesAndTellsTheWordlistsPage() {
        Setup s;
        s.choose(0);
        clickCheckBox(s.page(0), "share");
        s.choose(2);
        clickCheckBox(s.page(2), "transferauto");
        s.choose(3);
        clickCheckBox(s.page(3), "StartUp");
        s.clickBox(QDialogButtonBox::Ok);
        QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(s.wordlists->accepted, 1);
        QCOMPARE(s.settings.numbers.size(), std::size_t(32));
        QCOMPARE(s.settings.readNumber(kSettingsKey, kShare), 1u);
        QCOMPARE(s.settings.readNumber(kSettingsKey, kTransferAuto), 1u);
        QCOMPARE(s.settings.readNumber(kTipKey, kTipStartUp), 1u);
        QVERIFY(s.options->transferAutomatically());
    }

    void theLogonEntryComesAndGoesWithItsBox() {
        std::unique_ptr<Setup> s = std::make_unique<Setup>();
        s->choose(3);
        clickCheckBox(s->page(3), "autostart");
        QVERIFY(s->entry.present());
        QVERIFY(test::readFile(s->entry.path()).find("Exec=/usr/bin/vorlix\n") !=
                std::string::npos);
        QVERIFY(s->settings.numbers.empty());
        s->clickBox(QDialogButtonBox::Cancel);
        QVERIFY(s->entry.present());
        QCOMPARE(s->settings.readNumber(kSettingsKey, kAutoStart), 0u);

        // Opened again, the box shows autostart, which Cancel left at 0.
        s->options = std::make_unique<OptionsSettings>(s->settings, s->entry);
        s->dialog = std::make_unique<CDialogOptions>(*s->options, s->restore, s->prompt,
                                                     new RecordingWordlistsPage);
        s->dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(s->dialog.get()));
        s->choose(3);
        auto* box = child<QCheckBox>(s->page(3), "autostart");
        QVERIFY(!box->isChecked());
        clickIndicator(box);
        clickIndicator(box);
        QVERIFY(!s->entry.present());
        QVERIFY(s->prompt.messages.empty());
    }

    void aLogonEntryThatCannotBeWrittenIsReported() {
        Setup s;
        test::writeFile(s.folder.file("autostart"), "a file where the folder belongs");
        s.choose(3);
        clickCheckBox(s.page(3), "autostart");
        QCOMPARE(s.prompt.shown.size(), std::size_t(1));
        QCOMPARE(s.prompt.shown[0].icon, MessageIcon::Warning);
        QVERIFY(s.prompt.shown[0].text.starts_with("Cannot create the folder " +
                                                   s.folder.file("autostart")));
        QVERIFY(!s.entry.present());
    }

    void theRestoreButtonsImportTheirFilesAfterTheQuestion() {
        Setup s([](test::MemorySettings& settings) {
            settings.writeNumber(kSettingsKey, kIntervalDue, 3);
            settings.writeNumber(kSettingsKey, kClearLines, 9);
            settings.writeNumber(kSettingsKey, kAutoStart, 1);
        });
        QVERIFY(s.entry.set(true).ok());
        const std::string data = std::string(VORLIX_SOURCE_DIR) + "/data/";

        s.prompt.answers = {Answer::No};
        s.clickButton(4, "restoreGeneralButton");
        QCOMPARE(s.prompt.messages,
                 (std::vector<std::string>{restoreQuestion(data + "restore.reg")}));
        QCOMPARE(s.settings.readNumber(kSettingsKey, kIntervalDue), 3u);

        s.prompt.answers = {Answer::Yes};
        s.clickButton(4, "restoreGeneralButton");
        QCOMPARE(s.prompt.messages.back(), restoredMessage(data + "restore.reg"));
        QCOMPARE(s.settings.readNumber(kSettingsKey, kIntervalDue), 14u);
        QCOMPARE(s.settings.readNumber(kSettingsKey, kAutoStart), 0u);
        QCOMPARE(child<QLineEdit>(s.page(0), "intervaldue")->text(), QStringLiteral("14"));
        QVERIFY(child<QLineEdit>(s.page(0), "intervaldue")->isEnabled());
        QVERIFY(child<QCheckBox>(s.page(1), "stats")->isChecked());
        QVERIFY(!child<QCheckBox>(s.page(3), "autostart")->isChecked());
        QVERIFY(!s.entry.present());
        QCOMPARE(child<QLineEdit>(s.page(2), "clearlines")->text(), QStringLiteral("9"));

        s.prompt.answers = {Answer::Yes};
        s.clickButton(4, "restoreChatButton");
        QCOMPARE(s.prompt.messages.back(), restoredMessage(data + "restorechat.reg"));
        QCOMPARE(s.settings.readNumber(kSettingsKey, kClearLines), 500u);
        QCOMPARE(child<QLineEdit>(s.page(2), "clearlines")->text(), QStringLiteral("500"));
        QVERIFY(child<QCheckBox>(s.page(2), "transferauto")->isChecked());

        // OK afterwards writes the restored values, not the ones the dialog opened with.
        s.clickBox(QDialogButtonBox::Ok);
        QCOMPARE(s.settings.readNumber(kSettingsKey, kIntervalDue), 14u);
        QCOMPARE(s.settings.readNumber(kSettingsKey, kClearLines), 500u);
    }

    // Each page draws something of its size; with VORLIX_GRAB_DIR set, the pictures are left
    // there for a look at them.
    void everyPageGrabsToAPicture() {
        Setup s([](test::MemorySettings& settings) {
            settings.writeNumber(kSettingsKey, kEnableOverdue, 1);
            settings.writeNumber(kSettingsKey, kIntervalDue, 14);
            settings.writeNumber(kSettingsKey, kClearLines, 500);
        });
        const QString folder = qEnvironmentVariable("VORLIX_GRAB_DIR");
        QPixmap icons(6 * 72, 72);
        icons.fill(Qt::white);
        QPainter painter(&icons);
        for (int i = 0; i < 6; ++i) {
            painter.drawPixmap(i * 72 + 4, 4, s.list().item(i)->icon().pixmap(64, 64));
        }
        painter.end();
        if (!folder.isEmpty()) {
            QVERIFY(icons.save(folder + QStringLiteral("/options_icons.png")));
        }
        for (int i = 0; i < 6; ++i) {
            s.choose(i);
            const QPixmap picture = s.dialog->grab();
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.deviceIndependentSize().toSize(), s.dialog->size());
            if (!folder.isEmpty()) {
                QVERIFY(picture.save(folder +
                                     QStringLiteral("/options_%1.png").arg(kItems[i].toLower())));
            }
        }
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogOptionsTest)
#include "dialog_options_test.moc"
