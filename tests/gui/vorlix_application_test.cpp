#include "gui/vorlix_application.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>

#include "accounts/account_list.h"
#include "accounts/accounts_file.h"
#include "accounts/text_digest.h"
#include "app/catalogue_document.h"
#include "app/setting_names.h"
#include "app/settings/first_start_installation.h"
#include "app/settings/private_folders.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/user_folders.h"
#include "app/ui/qt_text.h"
#include "core/catalog_format.h"
#include "gui/instance_client.h"
#include "gui/main_frame.h"
#include "platform/single_instance_lock.h"
#include "support/sample_catalogue.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "support/widget_lookup.h"

namespace vorlix {

namespace {

namespace fs = std::filesystem;

const Windows1252 kCodePage;
constexpr const char* kUser = "anna";
constexpr const char* kPassword = "secret";

// A user's home with the XDG folders below it, as the program finds them from the environment.
struct Home {
    test::TempDir root;
    std::string configHome = root.file("config");
    std::string dataHome = root.file("data");
    std::string runtimeDir = root.file("run");

    StartupLocations locations() const {
        return {settingsFilePathFor(configHome, root.path()),
                programFolderPathFor(dataHome, root.path()),
                std::string(VORLIX_SOURCE_DIR "/data"),
                dataHome,
                singleInstanceLockPathFor(runtimeDir, "/nowhere"),
                singleInstanceSocketPathFor(runtimeDir, "/nowhere", getuid())};
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), toQt(root.path()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), toQt(configHome));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), toQt(dataHome));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), toQt(runtimeDir));
        environment.insert(QStringLiteral("VORLIX_DATA_DIR"),
                           QStringLiteral(VORLIX_SOURCE_DIR "/data"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    // The state after an earlier start in which the user chose to be logged in automatically.
    void installWithAutomaticLogin() const {
        const StartupLocations where = locations();
        QVERIFY(createPrivateFolders(fs::path(where.settingsFile).parent_path().string()).ok());
        RegFileSettingsStore settings(where.settingsFile);
        FirstStartInstallation(settings, where.dataFolder, where.programFolder).run();
        settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
        settings.writeText(setting::kSettingsKey, setting::kLastLogName, kUser);
        settings.writeText(setting::kSettingsKey, setting::kLastPasswordDigest,
                           textDigest(kPassword, kCodePage));
        AccountList accounts;
        accounts.addFront(CLog{textDigest(kUser, kCodePage), textDigest(kPassword, kCodePage)});
        QVERIFY(AccountsFile(where.programFolder, kCodePage).save(accounts).ok());
    }

    void writeSettings(const std::function<void(SettingsStore&)>& change) const {
        RegFileSettingsStore settings(locations().settingsFile);
        change(settings);
    }

    std::string saveSample(const std::string& name) const {
        CQXCatalog catalogue = test::sampleCatalogue();
        for (auto& disc : catalogue.discs) {
            disc->setOwnerName(kUser);
            disc->setOwnerDigest(textDigest(kPassword, kCodePage));
        }
        const std::string path = root.file(name);
        test::writeFile(path, writeCatalogue(catalogue, kCodePage));
        return path;
    }
};

std::string lockHolder(const std::string& lockFile) {
    return fs::exists(lockFile) ? test::readFile(lockFile) : std::string();
}

// What a crashed instance leaves: a socket file that nobody listens on.
bool leaveStaleSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && fs::is_socket(path);
}

// A second start's hand-over, run beside the event loop that the receiving instance needs.
class HandOver {
public:
    HandOver(const std::string& socket, const std::string& catalogue)
        : m_result(std::async(std::launch::async, [socket, catalogue] {
              return handOverToRunningInstance(toQt(socket), catalogue);
          })) {}

    bool done() const {
        return m_result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }
    bool taken() { return m_result.get(); }

private:
    std::future<bool> m_result;
};

std::string recentFile(const Home& home) {
    const RegFileSettingsStore settings(home.locations().settingsFile);
    return settings.readText(setting::kRecentFileListKey, setting::kRecentFile1,
                             setting::kRecentFileLimit);
}

}  // namespace

class VorlixApplicationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startsLoggedInWithTheCatalogueOfTheCommandLine() {
        Home home;
        home.installWithAutomaticLogin();
        const std::string catalogue = home.saveSample("cds.vrd");
        const std::string last = home.saveSample("last.vrd");
        home.writeSettings([&last](SettingsStore& settings) {
            settings.writeNumber(setting::kSettingsKey, setting::kLoadDb, 1);
            settings.writeText(setting::kRecentFileListKey, setting::kRecentFile1, last);
        });

        test::ScriptedPrompt prompt;
        VorlixApplication application(home.locations(), prompt);
        QVERIFY(!application.start({toQt(catalogue)}).has_value());
        QVERIFY(prompt.messages.empty());
        CQX2Doc& document = *application.document();
        QCOMPARE(document.identity().logName, std::string(kUser));
        QCOMPARE(document.path(), catalogue);
        QVERIFY2(!document.lastCatalogueOpenedAtStart(), "the command line wins over loaddb");
        QCOMPARE(document.recentFiles(), (std::vector{catalogue, last}));
        CMainFrame& window = *application.mainWindow();
        QVERIFY(window.isVisible());
        QVERIFY(window.isMaximized());
        QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta - QX-R3.2"));

        QCOMPARE(lockHolder(home.locations().lockFile), std::to_string(getpid()) + "\n");
        QCOMPARE(document.programFolder(), home.locations().programFolder);
        QVERIFY(fs::exists(home.locations().programFolder + "Demo.vrd"));
        QVERIFY(fs::exists(home.dataHome + "/applications/vorlix.desktop"));
    }

    void opensTheLastCatalogueWhenLoaddbIsOne_data() {
        QTest::addColumn<int>("loaddb");
        QTest::newRow("loaddb 1") << 1;
        QTest::newRow("loaddb 0") << 0;
        QTest::newRow("loaddb 2") << 2;
    }

    void opensTheLastCatalogueWhenLoaddbIsOne() {
        QFETCH(int, loaddb);
        Home home;
        home.installWithAutomaticLogin();
        const std::string last = home.saveSample("last.vrd");
        home.writeSettings([&](SettingsStore& settings) {
            settings.writeNumber(setting::kSettingsKey, setting::kLoadDb,
                                 static_cast<std::uint32_t>(loaddb));
            settings.writeText(setting::kRecentFileListKey, setting::kRecentFile1, last);
        });
        test::ScriptedPrompt prompt;
        VorlixApplication application(home.locations(), prompt);
        QVERIFY(!application.start({}).has_value());
        QCOMPARE(application.document()->path(), loaddb == 1 ? last : std::string());
        QCOMPARE(application.document()->lastCatalogueOpenedAtStart(), loaddb == 1);
    }

    // Without a readable installdir the program folder would be "/", with the accounts looked
    // for at /qxdata.inf; the user's own folder stands in and the user is told why. (An
    // unreadable settings file takes the same way; the settings tests show that.)
    void anInstallDirTooLongToReadFallsBackToTheUsersFolder() {
        Home home;
        // Deep enough that installdir holds more than the 511 bytes it is read with.
        for (int i = 0; i < 3; ++i) {
            home.dataHome += "/" + std::string(200, 'd');
        }
        home.installWithAutomaticLogin();
        const std::string folder = home.locations().programFolder;

        test::ScriptedPrompt prompt;
        VorlixApplication application(home.locations(), prompt);
        // Accounts looked for in the wrong folder bring the login dialog; leave it at once.
        QTimer leaveLogin;
        leaveLogin.setSingleShot(true);
        QObject::connect(&leaveLogin, &QTimer::timeout, [] {
            if (auto* login = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                login->reject();
            }
        });
        leaveLogin.start(0);
        QVERIFY2(!application.start({}).has_value(), "logged in from the user's folder");
        QCOMPARE(prompt.messages,
                 std::vector<std::string>{
                     "The program folder could not be taken from the settings: the setting "
                     "installdir is longer than 511 bytes. Vorlix keeps its data files (accounts, "
                     "scan filter lists) in " +
                     folder + " instead."});
        QCOMPARE(application.document()->programFolder(), folder);
        QCOMPARE(application.document()->identity().logName, std::string(kUser));
    }

    // A settings file far larger than any the program writes is not read: the user is told
    // through a message box, and the file stays as it is, although logging in writes settings.
    void aSettingsFileOverSixteenMegabytesIsToldAndLeftAsItIs() {
        Home home;
        home.installWithAutomaticLogin();
        const std::string path = home.locations().settingsFile;
        const std::string settings =
            test::readFile(path) + ";" + std::string(kLargestSettingsFile, 'x') + "\r\n";
        test::writeFile(path, settings);

        test::ScriptedPrompt prompt;
        VorlixApplication application(home.locations(), prompt);
        // The automatic login is stored in the file that is not read, so the dialog comes.
        QTimer::singleShot(0, [] {
            auto* login = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(login != nullptr);
            QTest::keyClicks(test::child<QLineEdit>(*login, "logNameEdit"),
                             QString::fromLatin1(kUser));
            QTest::keyClicks(test::child<QLineEdit>(*login, "passwordEdit"),
                             QString::fromLatin1(kPassword));
            QTest::mouseClick(test::child<QPushButton>(*login, "logInButton"), Qt::LeftButton);
        });
        QVERIFY(!application.start({}).has_value());
        QCOMPARE(application.document()->identity().logName, std::string(kUser));
        const std::string told = "The settings file \"" + path +
                                 "\" is larger than 16 MB; it is left as it is. Every setting "
                                 "reads as its default, and changed settings are not stored "
                                 "until the file is repaired or replaced.";
        QTRY_VERIFY(std::ranges::count(prompt.shown,
                                       test::Shown{told, MessageIcon::Stop, std::nullopt}) == 1);
        QVERIFY(test::readFile(path) == settings);
    }

    // The lock is held but nothing answers on the socket (an instance still starting, or a
    // socket a crash left behind): the second start can only say so.
    void aSecondStartThatCannotReachTheFirstIsRefusedAndTouchesNothing() {
        Home home;
        QVERIFY(createPrivateFolders(home.runtimeDir).ok());
        SingleInstanceLock running(home.locations().lockFile);
        QCOMPARE(running.state(), SingleInstanceLock::State::Acquired);
        const std::string holder = lockHolder(home.locations().lockFile);
        QVERIFY(leaveStaleSocket(home.locations().instanceSocket));

        test::ScriptedPrompt prompt;
        VorlixApplication second(home.locations(), prompt);
        QCOMPARE(second.start({}).value_or(-1), 1);
        QCOMPARE(prompt.messages, std::vector<std::string>{"Vorlix is already running."});
        QCOMPARE(second.mainWindow(), nullptr);
        QVERIFY(!fs::exists(home.locations().settingsFile));
        QVERIFY(!fs::exists(home.locations().programFolder));
        QCOMPARE(lockHolder(home.locations().lockFile), holder);
        QVERIFY(fs::is_socket(home.locations().instanceSocket));
    }

    // The running program brings its window back from wherever it was and opens the catalogue
    // as Open does, save-changes prompt first.
    void aLaterStartShowsTheWindowAndOpensItsCatalogue() {
        Home home;
        home.installWithAutomaticLogin();
        const std::string catalogue = home.saveSample("handed.vrd");
        test::ScriptedPrompt prompt;
        VorlixApplication application(home.locations(), prompt);
        QVERIFY(!application.start({}).has_value());
        CMainFrame& window = *application.mainWindow();
        CQX2Doc& document = *application.document();
        window.hide();
        document.setModified();
        prompt.answers = {Answer::No};

        HandOver handOver(home.locations().instanceSocket, catalogue);
        QTRY_VERIFY(handOver.done());
        QVERIFY(handOver.taken());
        QTRY_COMPARE(document.path(), catalogue);
        QCOMPARE(prompt.messages, std::vector<std::string>{"Save changes to Untitled?"});
        QVERIFY(window.isVisible());
        QCOMPARE(document.catalogue().discs.size(), 3u);

        // Something else on the socket gets no answer and keeps nobody from being answered.
        QLocalSocket stranger;
        stranger.connectToServer(toQt(home.locations().instanceSocket));
        QVERIFY(stranger.waitForConnected());
        stranger.write(QByteArray("open\0/etc/passwd\0", 16));
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QVERIFY(stranger.readAll().isEmpty());

        window.showMinimized();
        HandOver noCatalogue(home.locations().instanceSocket, "");
        QTRY_VERIFY(noCatalogue.done());
        QVERIFY(noCatalogue.taken());
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
        QCOMPARE(document.path(), catalogue);
        QCOMPARE(prompt.messages.size(), 1u);
    }

    void leavingTheFirstLoginEndsTheProgram() {
        Home home;
        test::ScriptedPrompt prompt;
        VorlixApplication application(home.locations(), prompt);
        bool loginShown = false;
        QTimer::singleShot(0, [&loginShown] {
            auto* login = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (login == nullptr) {
                qFatal("no login dialog");
            }
            loginShown = login->objectName() == QStringLiteral("CDialogLogin");
            QTest::mouseClick(test::child<QPushButton>(*login, "exitButton"), Qt::LeftButton);
        });
        QCOMPARE(application.start({}).value_or(-1), 0);
        QVERIFY(loginShown);
        QVERIFY(!application.mainWindow()->isVisible());
    }

    void argumentsItCannotTakeEndTheProgram() {
        Home home;
        test::ScriptedPrompt prompt;
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("--bogus")},
              QStringList{QStringLiteral("a.vrd"), QStringLiteral("b.vrd")}}) {
            VorlixApplication application(home.locations(), prompt);
            QCOMPARE(application.start(arguments).value_or(-1), 2);
        }
        QVERIFY(!fs::exists(home.locations().settingsFile));
    }

    // The program as built, started for real, and a second start beside it that hands over
    // its catalogue, named relative to where it was started; a crash leaves the socket behind.
    void aSecondStartHandsItsCatalogueToTheRunningProgram() {
        Home home;
        home.installWithAutomaticLogin();
        const std::string catalogue = home.saveSample("cds.vrd");
        QProcess first;
        first.setProcessEnvironment(home.environment());
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QStringLiteral(VORLIX_GUI_BINARY), {});
        QVERIFY(first.waitForStarted());
        const std::string lockFile = home.locations().lockFile;
        const std::string socket = home.locations().instanceSocket;
        const std::string holder = std::to_string(first.processId()) + "\n";
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(lockFile), holder, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(fs::is_socket(socket), 20000);

        QProcess second;
        second.setProcessEnvironment(home.environment());
        second.setWorkingDirectory(toQt(home.root.path()));
        second.start(QStringLiteral(VORLIX_GUI_BINARY), {QStringLiteral("cds.vrd")});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardError().split('\n').contains("Vorlix is already running."));
        QTRY_COMPARE_WITH_TIMEOUT(recentFile(home), catalogue, 20000);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(lockHolder(lockFile), holder);

        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(fs::is_socket(socket));
        QCOMPARE(SingleInstanceLock(lockFile).state(), SingleInstanceLock::State::Acquired);

        // The next instance takes the lock and the place of the dead one's socket.
        test::ScriptedPrompt prompt;
        VorlixApplication next(home.locations(), prompt);
        QVERIFY(!next.start({}).has_value());
        const std::string other = home.saveSample("other.vrd");
        HandOver handOver(socket, other);
        QTRY_VERIFY(handOver.done());
        QVERIFY(handOver.taken());
        QTRY_COMPARE(next.document()->path(), other);
    }
};

}  // namespace vorlix

QTEST_MAIN(vorlix::VorlixApplicationTest)
#include "vorlix_application_test.moc"
