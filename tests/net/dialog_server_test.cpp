#include "net/ui/dialog_server.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include "app/setting_names.h"
#include "support/memory_settings.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

using test::child;

QString shown(const CDialogServer& dialog, const char* label) {
    return child<QLabel>(dialog, label)->text();
}

void click(CDialogServer& dialog, const char* name) {
    auto* button = child<QPushButton>(dialog, name);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class DialogServerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::MemorySettings> m_settings;
    std::unique_ptr<QTcpServer> m_server;

    // The window as the program has it at start: created, given its shared catalogue, hidden.
    std::unique_ptr<CDialogServer> createDialog() {
        auto dialog = std::make_unique<CDialogServer>(*m_settings);
        dialog->setSharedDatabasePath("/data/MySharedDatabase/MySharedDatabase.vrd");
        return dialog;
    }

    std::unique_ptr<CDialogServer> showDialog() {
        auto dialog = createDialog();
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) {
            qFatal("the chat server window was not shown");
        }
        return dialog;
    }

    // A chat server on the loopback address that the window is told to use.
    void startServer() {
        m_server = std::make_unique<QTcpServer>();
        QVERIFY(m_server->listen(QHostAddress::LocalHost));
        qputenv(CDialogServer::kServerVariable,
                QByteArrayLiteral("127.0.0.1:") + QByteArray::number(m_server->serverPort()));
    }

    // Lets the window connect to the test server; returns the server's end of the connection.
    QTcpSocket* connectToTestServer(CDialogServer& dialog) {
        click(dialog, "connectButton");
        if (!m_server->waitForNewConnection(5000)) {
            qFatal("the window did not connect to the test server");
        }
        return m_server->nextPendingConnection();
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_settings = std::make_unique<test::MemorySettings>();
        qunsetenv(CDialogServer::kServerVariable);
    }

    void cleanup() {
        m_server.reset();
        qunsetenv(CDialogServer::kServerVariable);
    }

    void startsAsAHiddenModelessWindowThatIsOffline() {
        auto dialog = createDialog();
        QVERIFY(dialog->isWindow());
        QVERIFY(!dialog->isModal());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QCOMPARE(dialog->sharedDatabasePath(),
                 std::string("/data/MySharedDatabase/MySharedDatabase.vrd"));
        QCOMPARE(dialog->getActiveTransfers(), 0);
        QCOMPARE(dialog->getUsersOnline(), 0);
        QVERIFY(!child<QDialog>(*dialog, "transferManager")->isVisible());
        QVERIFY(!child<QDialog>(*dialog, "chatters")->isVisible());

        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(shown(*dialog, "connectionState"), QStringLiteral("OFFLINE"));
        QCOMPARE(shown(*dialog, "sharedDatabasePath"),
                 QStringLiteral("/data/MySharedDatabase/MySharedDatabase.vrd"));
        QCOMPARE(shown(*dialog, "activeTransfers"), QStringLiteral("0"));
        QCOMPARE(shown(*dialog, "usersOnline"), QStringLiteral("0"));
        QVERIFY(child<QPushButton>(*dialog, "connectButton")->isEnabled());
        QVERIFY(!child<QPushButton>(*dialog, "disconnectButton")->isEnabled());
    }

    void connectWithoutAServerStaysOfflineAtOnce_data() {
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QString>("note");
        QTest::newRow("none") << QByteArray() << QStringLiteral("No chat server is configured.");
        QTest::newRow("not host:port")
            << QByteArrayLiteral("chat.example.org")
            << QStringLiteral("The chat server address \"chat.example.org\" is not host:port.");
    }

    void connectWithoutAServerStaysOfflineAtOnce() {
        QFETCH(QByteArray, address);
        QFETCH(QString, note);
        if (!address.isEmpty()) {
            qputenv(CDialogServer::kServerVariable, address);
        }
        auto dialog = showDialog();
        QElapsedTimer clock;
        clock.start();
        click(*dialog, "connectButton");
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QCOMPARE(shown(*dialog, "connectionState"), QStringLiteral("OFFLINE"));
        QCOMPARE(shown(*dialog, "connectionNote"), note);
        QCOMPARE(dialog->getUsersOnline(), 0);
        QVERIFY(child<QPushButton>(*dialog, "connectButton")->isEnabled());
    }

    void connectsToALocalServerAndShowsItsUserCount() {
        m_settings->writeText(setting::kSettingsKey, setting::kChatUser, "alice");
        m_settings->writeText(setting::kSettingsKey, setting::kChatPasswordDigest,
                              "0cc175b9c0f1b6a831c399e269772661");
        startServer();
        auto dialog = showDialog();
        QTcpSocket* peer = connectToTestServer(*dialog);
        QTRY_COMPARE(dialog->connectionState(), std::string("ONLINE"));
        QCOMPARE(shown(*dialog, "connectionState"), QStringLiteral("ONLINE"));
        QTRY_VERIFY(peer->canReadLine());
        QCOMPARE(peer->readLine(), QByteArrayLiteral("HELLO alice\n"));

        peer->write("USERS 14\n");
        QTRY_COMPARE(dialog->getUsersOnline(), 14);
        QCOMPARE(shown(*dialog, "usersOnline"), QStringLiteral("14"));
        QCOMPARE(shown(*dialog, "chatterUsers"), QStringLiteral("14"));
        QCOMPARE(dialog->getActiveTransfers(), 0);
        QVERIFY(!child<QPushButton>(*dialog, "connectButton")->isEnabled());
        QVERIFY(child<QPushButton>(*dialog, "disconnectButton")->isEnabled());
    }

    void disconnectButtonShutsTheConnectionDown() {
        startServer();
        auto dialog = showDialog();
        QTcpSocket* peer = connectToTestServer(*dialog);
        QTRY_COMPARE(dialog->connectionState(), std::string("ONLINE"));
        peer->write("USERS 3\n");
        QTRY_COMPARE(dialog->getUsersOnline(), 3);

        click(*dialog, "disconnectButton");
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QCOMPARE(dialog->getUsersOnline(), 0);
        QCOMPARE(shown(*dialog, "usersOnline"), QStringLiteral("0"));
        QCOMPARE(shown(*dialog, "connectionNote"), QStringLiteral("Disconnected."));
        QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);

        // Shutting down again, as the program's exit does, is harmless.
        dialog->remouteShutDown();
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
    }

    void remouteShutDownWhenNotConnectedChangesNothing() {
        auto dialog = createDialog();
        dialog->remouteShutDown();
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QCOMPARE(dialog->getUsersOnline(), 0);
        QCOMPARE(shown(*dialog, "connectionNote"), QString());
    }

    void remouteShutDownWhileConnectingAbandonsTheAttempt() {
        startServer();
        auto dialog = showDialog();
        dialog->connectToServer();
        dialog->remouteShutDown();
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QTest::qWait(200);
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QVERIFY(child<QPushButton>(*dialog, "connectButton")->isEnabled());
    }

    void refusedConnectionStaysOfflineWithTheReason() {
        startServer();
        m_server->close();  // nobody listens on the port any more
        auto dialog = showDialog();
        click(*dialog, "connectButton");
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QTRY_VERIFY(shown(*dialog, "connectionNote")
                        .startsWith(QStringLiteral("Could not connect to 127.0.0.1:")));
        QCOMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QVERIFY(child<QPushButton>(*dialog, "connectButton")->isEnabled());
    }

    void serverClosingTheConnectionGoesOffline() {
        startServer();
        auto dialog = showDialog();
        QTcpSocket* peer = connectToTestServer(*dialog);
        QTRY_COMPARE(dialog->connectionState(), std::string("ONLINE"));
        peer->write("USERS 5\n");
        QTRY_COMPARE(dialog->getUsersOnline(), 5);
        peer->disconnectFromHost();
        QTRY_COMPARE(dialog->connectionState(), std::string("OFFLINE"));
        QCOMPARE(dialog->getUsersOnline(), 0);
        QCOMPARE(shown(*dialog, "connectionNote"),
                 QStringLiteral("The chat server closed the connection."));
    }

    void accountStateFollowsTheChatAccountSettings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("digest");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("account");
        const QString digest = QStringLiteral("0cc175b9c0f1b6a831c399e269772661");
        const QString none = QStringLiteral("No chat account");
        QTest::newRow("neither") << QString() << QString() << QStringLiteral("0") << none;
        QTest::newRow("name only")
            << QStringLiteral("alice") << QString() << QStringLiteral("0") << none;
        QTest::newRow("digest only") << QString() << digest << QStringLiteral("0") << none;
        QTest::newRow("both") << QStringLiteral("alice") << digest << QStringLiteral("1")
                              << QStringLiteral("alice");
    }

    void accountStateFollowsTheChatAccountSettings() {
        QFETCH(QString, name);
        QFETCH(QString, digest);
        QFETCH(QString, state);
        QFETCH(QString, account);
        m_settings->writeText(setting::kSettingsKey, setting::kChatUser, name.toStdString());
        m_settings->writeText(setting::kSettingsKey, setting::kChatPasswordDigest,
                              digest.toStdString());
        auto dialog = showDialog();
        QCOMPARE(dialog->accountState(), state.toStdString());
        QCOMPARE(shown(*dialog, "account"), account);
    }

    void accountCreatedWhileHiddenIsShownNextTime() {
        auto dialog = showDialog();
        QCOMPARE(shown(*dialog, "account"), QStringLiteral("No chat account"));
        dialog->hide();
        m_settings->writeText(setting::kSettingsKey, setting::kChatUser, "bob");
        m_settings->writeText(setting::kSettingsKey, setting::kChatPasswordDigest,
                              "92eb5ffee6ae2fec3ad71c777531578f");
        QCOMPARE(dialog->accountState(), std::string("1"));
        dialog->show();
        QCOMPARE(shown(*dialog, "account"), QStringLiteral("bob"));
    }

    void transferManagerIsShownAndHidden() {
        auto dialog = createDialog();
        auto* window = child<QDialog>(*dialog, "transferManager");
        dialog->showTransferManager();
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(!dialog->isVisible());  // independent of the chat server window
        QVERIFY(!child<QDialog>(*dialog, "chatters")->isVisible());
        dialog->hideTtansferManager();
        QVERIFY(!window->isVisible());
        dialog->hideTtansferManager();
        QVERIFY(!window->isVisible());
    }

    void chattersAreShownAndHidden() {
        auto dialog = createDialog();
        auto* window = child<QDialog>(*dialog, "chatters");
        dialog->showChaterDialogs();
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(!child<QDialog>(*dialog, "transferManager")->isVisible());
        dialog->hideAllChaters();
        QVERIFY(!window->isVisible());
    }

    void closingASideWindowByItsFrameHidesItUntilShownAgain() {
        auto dialog = createDialog();
        auto* window = child<QDialog>(*dialog, "transferManager");
        dialog->showTransferManager();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->close();
        QVERIFY(!window->isVisible());
        dialog->setVisibleTransfer(1);  // any later refresh must not bring it back
        QVERIFY(!window->isVisible());
        dialog->showTransferManager();
        QVERIFY(window->isVisible());
    }

    void setVisibleTransferIsFollowed() {
        m_settings->writeNumber(setting::kSettingsKey, setting::kTransferAuto, 1);
        auto dialog = createDialog();
        dialog->showTransferManager();
        auto* option = child<QCheckBox>(*dialog, "transferAutomatically");
        QVERIFY(option->isChecked());
        dialog->setVisibleTransfer(0);
        QVERIFY(!option->isChecked());
        dialog->setVisibleTransfer(1);
        QVERIFY(option->isChecked());
        dialog->setVisibleTransfer(2);
        QVERIFY(!option->isChecked());
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::DialogServerTest)
#include "dialog_server_test.moc"
