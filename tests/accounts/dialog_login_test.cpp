#include "accounts/ui/dialog_login.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "accounts/text_digest.h"
#include "accounts/ui/dialog_login_service.h"
#include "app/setting_names.h"
#include "core/code_page.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using Strings = std::vector<std::string>;

const Windows1252 kCodePage;

using test::child;

void click(QWidget& dialog, const char* name) {
    QAbstractButton* button = child<QAbstractButton>(dialog, name);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void type(QWidget& dialog, const char* name, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(dialog, name);
    edit->clear();
    // keyClicks takes ASCII only; a key event carries any character.
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

QString textOf(QWidget& dialog, const char* name) {
    return child<QLineEdit>(dialog, name)->text();
}

}  // namespace

class DialogLoginTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_folder;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;
    std::unique_ptr<test::MemorySettings> m_settings;

    std::string programFolder() const { return m_folder->path() + "/"; }

    std::unique_ptr<CDialogLogin> showDialog() {
        auto dialog =
            std::make_unique<CDialogLogin>(programFolder(), *m_prompt, *m_settings, kCodePage);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) {
            qFatal("the login dialog was not shown");
        }
        return dialog;
    }

    // An opened dialog whose Add / Edit panel is showing.
    std::unique_ptr<CDialogLogin> showExpanded() {
        m_settings->writeNumber(setting::kSettingsKey, setting::kExpLogin, 1);
        return showDialog();
    }

    void addAccount(CDialogLogin& dialog, const QString& name, const QString& password) {
        type(dialog, "newLogNameEdit", name);
        type(dialog, "newPasswordEdit", password);
        click(dialog, "addUserButton");
    }

    std::uint32_t number(std::string_view name) const {
        return m_settings->readNumber(setting::kSettingsKey, name);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_folder = std::make_unique<test::TempDir>();
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_settings = std::make_unique<test::MemorySettings>();
    }

    void showsEveryControlWithItsText() {
        auto dialog = showExpanded();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("QX Login Process (Please Log In)"));
        QCOMPARE(child<QGroupBox>(*dialog, "accountGroup")->title(),
                 QStringLiteral("Current account information"));
        QCOMPARE(child<QGroupBox>(*dialog, "addEditGroup")->title(),
                 QStringLiteral("Add / Edit  Users"));
        QCOMPARE(child<QGroupBox>(*dialog, "infoGroup")->title(), QStringLiteral("Important Info"));
        QCOMPARE(child<QCheckBox>(*dialog, "autoLoginCheck")->text(),
                 QStringLiteral("Log me automatically with this account  next time"));
        QVERIFY(!child<QCheckBox>(*dialog, "autoLoginCheck")->isChecked());
        const std::vector<std::pair<const char*, QString>> buttons = {
            {"logInButton", QStringLiteral("Log in")},
            {"exitButton", QStringLiteral("Exit")},
            {"addUserButton", QStringLiteral("Add new User")},
            {"changeLogInfoButton", QStringLiteral("Change Log Info")},
            {"deleteButton", QStringLiteral("Delete")},
            {"moreButton", QStringLiteral("More")}};
        for (const auto& [name, text] : buttons) {
            QCOMPARE(child<QPushButton>(*dialog, name)->text(), text);
        }
        for (const char* name : {"logNameEdit", "newLogNameEdit"}) {
            QCOMPARE(child<QLineEdit>(*dialog, name)->echoMode(), QLineEdit::Normal);
        }
        for (const char* name : {"passwordEdit", "newPasswordEdit"}) {
            QCOMPARE(child<QLineEdit>(*dialog, name)->echoMode(), QLineEdit::Password);
        }
        QStringList labels;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            labels << label->text();
        }
        QCOMPARE(labels.count(QStringLiteral("Log Name")), 2);
        QCOMPARE(labels.count(QStringLiteral("Password")), 2);
        QCOMPARE(child<QPlainTextEdit>(*dialog, "infoText")->toPlainText(),
                 QString::fromUtf8(kAccountManagerInfo.data(),
                                   static_cast<qsizetype>(kAccountManagerInfo.size())));
        QVERIFY(QFile::exists(QString::fromStdString(m_folder->file("qxdata.inf"))));
    }

    void expandsAndCollapses() {
        auto dialog = showDialog();
        QCOMPARE(dialog->height(), 184);
        QVERIFY(!child<QGroupBox>(*dialog, "addEditGroup")->isVisible());
        click(*dialog, "expandButton");
        QCOMPARE(dialog->height(), 297);
        QVERIFY(child<QGroupBox>(*dialog, "addEditGroup")->isVisible());
        click(*dialog, "expandButton");
        QCOMPARE(dialog->height(), 184);
        QVERIFY(!child<QGroupBox>(*dialog, "addEditGroup")->isVisible());
    }

    void opensExpandedWhenSet() {
        auto dialog = showExpanded();
        QCOMPARE(dialog->height(), 297);
    }

    void moreAndBackSwitchTheInfo() {
        auto dialog = showDialog();
        auto* info = child<QPlainTextEdit>(*dialog, "infoText");
        click(*dialog, "moreButton");
        QCOMPARE(child<QPushButton>(*dialog, "moreButton")->text(), QStringLiteral("Back"));
        QCOMPARE(info->toPlainText(),
                 QString::fromUtf8(kGettingStartedInfo.data(),
                                   static_cast<qsizetype>(kGettingStartedInfo.size())));
        QVERIFY(info->toPlainText().contains(QStringLiteral("\n2. Enter a username")));
        click(*dialog, "moreButton");
        QCOMPARE(child<QPushButton>(*dialog, "moreButton")->text(), QStringLiteral("More"));
        QVERIFY(info->toPlainText().startsWith(QStringLiteral("This is your cd database")));
    }

    void theCheckBoxWritesAutoLogin() {
        auto dialog = showDialog();
        auto* box = child<QCheckBox>(*dialog, "autoLoginCheck");
        click(*dialog, "autoLoginCheck");
        QVERIFY(box->isChecked());
        QCOMPARE(number(setting::kAutoLogin), 1u);
        click(*dialog, "autoLoginCheck");
        QVERIFY(!box->isChecked());
        QCOMPARE(number(setting::kAutoLogin), 0u);
    }

    void addsAUserAndLogsIn() {
        auto dialog = showExpanded();
        addAccount(*dialog, QStringLiteral("J\u00fcrgen"), QStringLiteral("secret"));
        QCOMPARE(textOf(*dialog, "logNameEdit"), QStringLiteral("J\u00fcrgen"));
        QCOMPARE(textOf(*dialog, "passwordEdit"), QStringLiteral("secret"));
        QCOMPARE(textOf(*dialog, "newLogNameEdit"), QString());
        QCOMPARE(textOf(*dialog, "newPasswordEdit"), QString());
        click(*dialog, "logInButton");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->identity().has_value());
        QCOMPARE(dialog->identity()->logName, std::string("J\xC3\xBCrgen"));
        QCOMPARE(dialog->identity()->passwordDigest, textDigest("secret", kCodePage));
        QCOMPARE(m_settings->readText(setting::kSettingsKey, setting::kLastLogName, 56),
                 std::string("J\xC3\xBCrgen"));
        QCOMPARE(m_prompt->messages, Strings());
    }

    void logInAnswersWrongData_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("no account") << QStringLiteral("ben") << QStringLiteral("secret")
                                    << QStringLiteral("The account does not exist!");
        QTest::newRow("wrong password") << QStringLiteral("anna") << QStringLiteral("Secret")
                                        << QStringLiteral("False password!");
        QTest::newRow("no password") << QStringLiteral("anna") << QString() << QString();
        QTest::newRow("no name") << QString() << QStringLiteral("secret") << QString();
    }

    void logInAnswersWrongData() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        auto dialog = showExpanded();
        addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
        type(*dialog, "logNameEdit", name);
        type(*dialog, "passwordEdit", password);
        click(*dialog, "logInButton");
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->identity().has_value());
        QCOMPARE(m_prompt->messages,
                 message.isEmpty() ? Strings() : Strings{message.toStdString()});
    }

    void addingAnExistingNameIsRefused() {
        auto dialog = showExpanded();
        addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
        addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("other"));
        QCOMPARE(m_prompt->messages, Strings{"An account with the same username already exists!"});
        QCOMPARE(textOf(*dialog, "newLogNameEdit"), QStringLiteral("anna"));
    }

    void changeLogInfoAnswersWrongData_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("message");
        QTest::newRow("no account")
            << QStringLiteral("ben") << QStringLiteral("secret") << QStringLiteral("carl")
            << QStringLiteral("The account does not exist!");
        QTest::newRow("wrong password")
            << QStringLiteral("anna") << QStringLiteral("x") << QStringLiteral("carl")
            << QStringLiteral("False password!");
        QTest::newRow("no new data")
            << QStringLiteral("anna") << QStringLiteral("secret") << QString()
            << QStringLiteral("Please, enter the current log data in the login fields!");
    }

    void changeLogInfoAnswersWrongData() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, newName);
        QFETCH(QString, message);
        auto dialog = showExpanded();
        addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
        type(*dialog, "logNameEdit", name);
        type(*dialog, "passwordEdit", password);
        type(*dialog, "newLogNameEdit", newName);
        type(*dialog, "newPasswordEdit", QStringLiteral("pw"));
        click(*dialog, "changeLogInfoButton");
        QCOMPARE(m_prompt->messages, Strings{message.toStdString()});
        QCOMPARE(textOf(*dialog, "logNameEdit"), name);
    }

    void changesLogInfo() {
        auto dialog = showExpanded();
        addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
        type(*dialog, "newLogNameEdit", QStringLiteral("carl"));
        type(*dialog, "newPasswordEdit", QStringLiteral("pw"));
        click(*dialog, "changeLogInfoButton");
        QCOMPARE(m_prompt->messages, Strings());
        QCOMPARE(textOf(*dialog, "logNameEdit"), QStringLiteral("carl"));
        QCOMPARE(textOf(*dialog, "passwordEdit"), QStringLiteral("pw"));
        QCOMPARE(textOf(*dialog, "newLogNameEdit"), QString());

        // The old account is gone.
        type(*dialog, "logNameEdit", QStringLiteral("anna"));
        type(*dialog, "passwordEdit", QStringLiteral("secret"));
        click(*dialog, "logInButton");
        QCOMPARE(m_prompt->messages, Strings{"The account does not exist!"});
    }

    void deletesOnlyAfterYes() {
        auto dialog = showExpanded();
        addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
        m_prompt->answers = {Answer::No};
        click(*dialog, "deleteButton");
        QCOMPARE(m_prompt->messages, Strings{"Do you realy want to delete this account?"});
        QCOMPARE(textOf(*dialog, "logNameEdit"), QStringLiteral("anna"));

        m_prompt->messages.clear();
        m_prompt->answers = {Answer::Yes};
        type(*dialog, "newLogNameEdit", QStringLiteral("x"));
        click(*dialog, "deleteButton");
        QCOMPARE(m_prompt->messages,
                 (Strings{"Do you realy want to delete this account?", "Account deleted."}));
        for (const char* name :
             {"logNameEdit", "passwordEdit", "newLogNameEdit", "newPasswordEdit"}) {
            QCOMPARE(textOf(*dialog, name), QString());
        }

        m_prompt->messages.clear();
        type(*dialog, "logNameEdit", QStringLiteral("anna"));
        type(*dialog, "passwordEdit", QStringLiteral("secret"));
        click(*dialog, "deleteButton");
        QCOMPARE(m_prompt->messages, Strings{"The account does not exist!"});
    }

    void logsInAutomaticallyWithoutShowing() {
        {
            auto dialog = showExpanded();
            addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
            click(*dialog, "autoLoginCheck");
            click(*dialog, "logInButton");
            QVERIFY(dialog->identity().has_value());
        }
        CDialogLogin dialog(programFolder(), *m_prompt, *m_settings, kCodePage);
        QVERIFY(dialog.identity().has_value());
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.identity()->logName, std::string("anna"));
        QCOMPARE(dialog.identity()->passwordDigest, textDigest("secret", kCodePage));
    }

    void automaticLoginOfADeletedAccountStaysOpen() {
        m_settings->writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
        m_settings->writeText(setting::kSettingsKey, setting::kLastLogName, "anna");
        m_settings->writeText(setting::kSettingsKey, setting::kLastPasswordDigest,
                              textDigest("secret", kCodePage));
        auto dialog = showDialog();
        QVERIFY(!dialog->identity().has_value());
        QCOMPARE(textOf(*dialog, "logNameEdit"), QStringLiteral("anna"));
        QVERIFY(!child<QCheckBox>(*dialog, "autoLoginCheck")->isChecked());
    }

    void theServiceYieldsTheIdentityOrNothing() {
        {
            auto dialog = showExpanded();
            addAccount(*dialog, QStringLiteral("anna"), QStringLiteral("secret"));
        }
        DialogLoginService service(*m_prompt, *m_settings, kCodePage);
        const auto answerWith = [](const char* button) {
            QTimer::singleShot(0, [button] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal != nullptr);
                if (std::string_view(button) == "logInButton") {
                    type(*modal, "logNameEdit", QStringLiteral("anna"));
                    type(*modal, "passwordEdit", QStringLiteral("secret"));
                }
                click(*modal, button);
            });
        };
        answerWith("exitButton");
        QVERIFY(!service.login(programFolder()).has_value());
        answerWith("logInButton");
        const auto identity = service.login(programFolder());
        QVERIFY(identity.has_value());
        QCOMPARE(identity->logName, std::string("anna"));
        QCOMPARE(identity->passwordDigest, textDigest("secret", kCodePage));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogLoginTest)
#include "dialog_login_test.moc"
