#include "accounts/ui/dialog_change_owner.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "accounts/text_digest.h"
#include "accounts/ui/dialog_change_owner_service.h"
#include "core/catalog.h"
#include "core/code_page.h"
#include "support/scripted_prompt.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using Strings = std::vector<std::string>;

const Windows1252 kCodePage;

using test::child;

void click(QWidget& dialog, const char* name) {
    QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton);
}

QString textOf(QWidget& dialog, const char* name) {
    return child<QLineEdit>(dialog, name)->text();
}

const char* const kFields[] = {"currentNameEdit", "currentPasswordEdit", "newNameEdit",
                               "newPasswordEdit"};

void fill(QWidget& dialog, const QStringList& texts) {
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QLineEdit* edit = child<QLineEdit>(dialog, kFields[i]);
        edit->clear();
        QTest::keyClicks(edit, texts[i]);
    }
}

}  // namespace

class DialogChangeOwnerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CQXCatalog> m_catalogue;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;

    std::unique_ptr<CDialogChangeOwner> showDialog() {
        auto dialog =
            std::make_unique<CDialogChangeOwner>(*m_catalogue, "anna", *m_prompt, kCodePage);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) {
            qFatal("the dialog was not shown");
        }
        return dialog;
    }

    Strings owners() const {
        Strings result;
        for (const auto& disc : m_catalogue->discs) {
            result.push_back(std::string(disc->ownerName()) + "/" +
                             std::string(disc->ownerDigest()));
        }
        return result;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_catalogue = std::make_unique<CQXCatalog>();
        for (const char* number : {"1", "2"}) {
            auto disc = std::make_unique<CQXDisc>();
            disc->setNumber(number);
            disc->setOwnerName("anna");
            disc->setOwnerDigest(textDigest("secret", kCodePage));
            m_catalogue->discs.push_back(std::move(disc));
        }
    }

    void showsItsControlsWithTheLoggedInName() {
        auto dialog = showDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change Database Owner"));
        QCOMPARE(child<QGroupBox>(*dialog, "currentGroup")->title(),
                 QStringLiteral("Current Owner"));
        QCOMPARE(child<QGroupBox>(*dialog, "newGroup")->title(), QStringLiteral("New Owner"));
        for (const char* group : {"currentGroup", "newGroup"}) {
            QStringList labels;
            for (const QLabel* label : child<QGroupBox>(*dialog, group)->findChildren<QLabel*>()) {
                labels << label->text();
            }
            QCOMPARE(labels,
                     (QStringList{QStringLiteral("Username:"), QStringLiteral("Password:")}));
        }
        QCOMPARE(child<QPushButton>(*dialog, "changeButton")->text(), QStringLiteral("Change"));
        QCOMPARE(child<QPushButton>(*dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
        QCOMPARE(textOf(*dialog, "currentNameEdit"), QStringLiteral("anna"));
        QCOMPARE(child<QLineEdit>(*dialog, "currentPasswordEdit")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(*dialog, "newPasswordEdit")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(*dialog, "newNameEdit")->echoMode(), QLineEdit::Normal);
    }

    void refusesAndClearsTheFields_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QStringList{QStringLiteral("anna")}
                               << QStringLiteral("Please fill in all fields!");
        QTest::newRow("other name") << QStringList{QStringLiteral("ben"), QStringLiteral("secret"),
                                                   QStringLiteral("carl"), QStringLiteral("pw")}
                                    << QStringLiteral("The current owner name is false!");
        QTest::newRow("wrong password")
            << QStringList{QStringLiteral("anna"), QStringLiteral("wrong"), QStringLiteral("carl"),
                           QStringLiteral("pw")}
            << QStringLiteral("The current password is false!");
    }

    void refusesAndClearsTheFields() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        const Strings before = owners();
        auto dialog = showDialog();
        fill(*dialog, texts);
        click(*dialog, "changeButton");
        QCOMPARE(m_prompt->messages, Strings{message.toStdString()});
        QVERIFY(dialog->isVisible());
        for (const char* name : kFields) {
            QCOMPARE(textOf(*dialog, name), QString());
        }
        QCOMPARE(owners(), before);
    }

    void changesEveryDisc() {
        auto dialog = showDialog();
        fill(*dialog, {QStringLiteral("anna"), QStringLiteral("secret"), QStringLiteral("carl"),
                       QStringLiteral("pw")});
        click(*dialog, "changeButton");
        QCOMPARE(m_prompt->messages, Strings());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const std::string carl = "carl/" + textDigest("pw", kCodePage);
        QCOMPARE(owners(), (Strings{carl, carl}));
    }

    void cancelChangesNothing() {
        const Strings before = owners();
        auto dialog = showDialog();
        fill(*dialog, {QStringLiteral("anna"), QStringLiteral("secret"), QStringLiteral("carl"),
                       QStringLiteral("pw")});
        click(*dialog, "cancelButton");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(owners(), before);
    }

    void theServiceReportsWhetherTheOwnerChanged() {
        DialogChangeOwnerService service(*m_prompt, kCodePage);
        QTimer::singleShot(0, [] { click(*QApplication::activeModalWidget(), "cancelButton"); });
        QVERIFY(!service.changeOwner(*m_catalogue, "anna"));
        QTimer::singleShot(0, [] {
            QWidget* modal = QApplication::activeModalWidget();
            QCOMPARE(textOf(*modal, "currentNameEdit"), QStringLiteral("anna"));
            fill(*modal, {QStringLiteral("anna"), QStringLiteral("secret"), QStringLiteral("carl"),
                          QStringLiteral("pw")});
            click(*modal, "changeButton");
        });
        QVERIFY(service.changeOwner(*m_catalogue, "anna"));
        QCOMPARE(m_catalogue->discs.front()->ownerName(), std::string("carl"));
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogChangeOwnerTest)
#include "dialog_change_owner_test.moc"
