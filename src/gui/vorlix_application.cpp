#include "gui/vorlix_application.h"

#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "accounts/ui/dialog_change_owner_service.h"
#include "accounts/ui/dialog_login_service.h"
#include "app/catalogue_document.h"
#include "app/settings/data_folder.h"
#include "app/settings/drive_map_settings.h"
#include "app/settings/first_start_installation.h"
#include "app/settings/private_folders.h"
#include "app/settings/program_folder_choice.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/user_folders.h"
#include "app/ui/qt_text.h"
#include "core/user_prompt.h"
#include "gui/dialog_server_chat.h"
#include "gui/instance_client.h"
#include "gui/instance_server.h"
#include "gui/main_frame.h"
#include "gui/search_results_copies.h"
#include "net/shared_catalogue_writer.h"
#include "net/shared_folder.h"
#include "net/ui/dialog_chat_account_service.h"
#include "net/ui/dialog_copy_tasks.h"
#include "online/freedb_control.h"
#include "online/ui/qt_cddb_lookup.h"
#include "platform/archive/member_extraction.h"
#include "platform/desktop_registration.h"
#include "platform/disc/linux_disc_drives.h"
#include "platform/http/curl_http_client.h"
#include "platform/private_temporary_folder.h"
#include "platform/single_instance_lock.h"
#include "playlists/ui/playlist_windows.h"
#include "scan/filter_lists.h"
#include "search/catalogue_search.h"
#include "tasks/search_window/ui/search_windows.h"
#include "views/disc_tasks.h"
#include "views/logic/extracting_member_opener.h"

namespace vorlix {

namespace {

namespace fs = std::filesystem;

// Things that go wrong at start but do not stop the program; nobody has to act on them.
void report(const std::string& problem) {
    std::fprintf(stderr, "vorlix: %s\n", problem.c_str());
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The catalogue named on the command line: empty for none, nullopt when the arguments
// cannot be taken.
std::optional<std::string> catalogueArgument(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return std::string();
    }
    if (arguments.size() > 1 || arguments.front().startsWith(QLatin1Char('-'))) {
        return std::nullopt;
    }
    return fromQt(QFileInfo(arguments.front()).absoluteFilePath());
}

}  // namespace

StartupLocations startupLocationsFromEnvironment() {
    StartupLocations locations;
    locations.settingsFile = defaultSettingsFilePath();
    locations.programFolder = defaultProgramFolderPath();
    locations.dataFolder = installationDataFolder();
    // The program folder is the folder "vorlix" of the data home.
    locations.dataHome = fs::path(locations.programFolder).parent_path().parent_path().string();
    const std::string runtimeDir = environment("XDG_RUNTIME_DIR");
    const std::string settingsFolder = fs::path(locations.settingsFile).parent_path().string();
    locations.lockFile = singleInstanceLockPathFor(runtimeDir, settingsFolder);
    locations.instanceSocket = singleInstanceSocketPathFor(runtimeDir, settingsFolder, ::getuid());
    return locations;
}

VorlixApplication::VorlixApplication(StartupLocations locations, UserPrompt& prompt)
    : m_locations(std::move(locations)), m_prompt(prompt) {}

VorlixApplication::~VorlixApplication() = default;

void VorlixApplication::installAndRegister() {
    const InstallationReport installation =
        FirstStartInstallation(*m_settings, m_locations.dataFolder, m_locations.programFolder)
            .run();
    for (const std::string& problem : installation.problems) {
        report(problem);
    }
    const DesktopRegistrationReport registration =
        registerWithDesktop(m_locations.dataHome, fromQt(QCoreApplication::applicationFilePath()));
    for (const std::string& problem : registration.problems) {
        report(problem);
    }
}

void VorlixApplication::createScanServices(const std::string& programFolder) {
    m_drives = std::make_unique<LinuxDiscDrives>(readDriveMap(*m_settings));
    // The scan asks only for media tags, which come from the drive's table of contents; what
    // the control asks of a freedb server carries the user's e-mail address.
    m_freedb = std::make_unique<C_uFREEDB>(
        *m_http,
        [this](const std::string& drivePath) -> std::optional<AudioToc> {
            const std::unique_ptr<DiscVolume> volume = m_drives->open(drivePath);
            return volume ? volume->audioToc() : std::nullopt;
        },
        cddbIdentityFromSettings(*m_settings));
    m_filterLists = std::make_unique<FilterLists>(programFolder, m_codePage);
    m_cddb = std::make_unique<QtCddbLookup>(*m_settings, m_prompt);
}

std::optional<int> VorlixApplication::start(const QStringList& arguments) {
    const std::optional<std::string> catalogue = catalogueArgument(arguments);
    if (!catalogue) {
        report("usage: vorlix [CATALOGUE]");
        return 2;
    }

    // Checked before anything is read or written, so that a second start leaves the files of
    // the running instance alone.
    if (const Result created =
            createPrivateFolders(fs::path(m_locations.lockFile).parent_path().string());
        !created.ok()) {
        report("cannot create the folder of the single-instance lock: " + created.message());
    }
    m_lock = std::make_unique<SingleInstanceLock>(m_locations.lockFile);
    if (m_lock->state() == SingleInstanceLock::State::HeldElsewhere) {
        if (handOverToRunningInstance(toQt(m_locations.instanceSocket), *catalogue)) {
            std::fprintf(stderr, "%s\n", std::string(kAlreadyRunningMessage).c_str());
        } else {
            m_prompt.message(kAlreadyRunningMessage, MessageIcon::Warning);
        }
        return 1;
    }
    if (m_lock->state() == SingleInstanceLock::State::Failed) {
        report("cannot take the single-instance lock: " + m_lock->failure());
    } else {
        listenForLaterStarts();
    }

    // Told while the store is busy, on whatever thread changed a setting: shown once the event
    // loop is free, so that nothing the message box lets run meanwhile waits on the store.
    m_settings = std::make_unique<RegFileSettingsStore>(
        m_locations.settingsFile, [this](const std::string& problem) {
            QMetaObject::invokeMethod(
                &m_reportContext, [this, problem] { m_prompt.message(problem, MessageIcon::Stop); },
                Qt::QueuedConnection);
        });
    installAndRegister();
    const ProgramFolderChoice choice = chooseProgramFolder(*m_settings, m_locations.programFolder);
    if (!choice.problem.empty()) {
        m_prompt.message(programFolderFallbackMessage(choice), MessageIcon::Warning);
    }
    const std::string& folder = choice.folder;

    m_login = std::make_unique<DialogLoginService>(m_prompt, *m_settings, m_codePage);
    m_changeOwner = std::make_unique<DialogChangeOwnerService>(m_prompt, m_codePage);
    const std::string sharedFolder = sharedFolderOf(folder);
    if (const Result prepared = prepareSharedFolder(sharedFolder); !prepared.ok()) {
        report(prepared.message());
    }
    m_shared = std::make_unique<SharedCatalogueWriter>(sharedFolder, m_codePage, report);
    m_chat = std::make_unique<DialogServerChat>(*m_settings, m_shared->sharedDatabasePath());
    m_http = std::make_unique<CurlHttpClient>();
    m_chatAccount = std::make_unique<DialogChatAccountService>(*m_settings, *m_http, m_prompt,
                                                               m_longWork, m_codePage);
    createScanServices(folder);
    m_playlists = std::make_unique<PlaylistWindows>(
        PlaylistServices{m_prompt, *m_settings, m_codePage, m_shell, *m_drives},
        [this] { m_document->onPlaylistWindowClosed(); });
    m_copyTasks = std::make_unique<CDialogCopyTasks>(*m_drives, m_prompt, m_shell, *m_settings);
    m_windows.watchCopyTasks(*m_copyTasks);
    m_searchCopies = std::make_unique<SearchResultsCopies>(*m_copyTasks);
    m_temporaryFolder =
        std::make_unique<PrivateTemporaryFolder>(PrivateTemporaryFolder::defaultParent());
    m_memberExtractor = std::make_unique<ArchiveMemberExtractor>(*m_drives, *m_temporaryFolder);
    m_memberOpener =
        std::make_unique<ExtractingMemberOpener>(*m_memberExtractor, m_longWork, m_shell, m_prompt);
    m_document = std::make_unique<CQX2Doc>(
        DocumentServices{m_prompt, *m_settings, m_codePage, m_windows, *m_login, *m_changeOwner,
                         *m_shared, m_application, *m_chat, *m_chatAccount, m_shell, *m_playlists,
                         m_longWork, m_clock},
        folder);
    m_discTasks = std::make_unique<DiscTasks>(*m_document, m_prompt, *m_settings);
    m_search = std::make_unique<CatalogueSearch>(
        [document = m_document.get()] { return document->searchDiscs(); });
    m_searchWindows = std::make_unique<SearchWindows>(
        SearchWindowServices{*m_search, *m_document, m_prompt, *m_settings, *m_drives, m_shell,
                             *m_searchCopies, m_searchHost, m_memberOpener.get()});
    m_mainWindow = std::make_unique<CMainFrame>(
        *m_document,
        ViewServices{m_prompt, *m_settings, m_shell, *m_drives, m_copyTasks.get(),
                     m_memberOpener.get()},
        ScanServices{*m_drives, *m_filterLists, *m_freedb, *m_settings, m_prompt},
        CommandsServices{*m_searchWindows, *m_cddb, *m_discTasks, *m_discTasks, *m_chat},
        QSystemTrayIcon::isSystemTrayAvailable());
    m_discTasks->setDialogParent(m_mainWindow.get());
    m_windows.watchScansOf(*m_document);
    m_application.setMainWindow(m_mainWindow.get());
    m_searchHost.setMainWindow(m_mainWindow.get());
    QObject::connect(m_mainWindow.get(), &CMainFrame::closedForGood, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);

    m_document->reset();
    if (m_application.quitRequested()) {
        return 0;
    }
    // The window comes first and is painted before a catalogue is read, so that a big one
    // arrives in a window that is there.
    m_mainWindow->showMaximized();
    QCoreApplication::processEvents();
    if (!catalogue->empty()) {
        // A catalogue that cannot be read has been reported; the program starts without it.
        static_cast<void>(m_document->openDocument(*catalogue));
    } else {
        m_document->openLastCatalogue();
    }
    m_started = true;
    if (m_pendingActivation) {
        activate(*std::exchange(m_pendingActivation, std::nullopt));
    }
    return std::nullopt;
}

void VorlixApplication::listenForLaterStarts() {
    m_instanceServer = std::make_unique<InstanceServer>(toQt(m_locations.instanceSocket));
    if (const Result listening = m_instanceServer->listen(); !listening) {
        report("later starts cannot reach this one: " + listening.message());
    }
    QObject::connect(m_instanceServer.get(), &InstanceServer::activationRequested,
                     m_instanceServer.get(),
                     [this](const QString& catalogue) { activate(fromQt(catalogue)); });
}

void VorlixApplication::activate(const std::string& catalogue) {
    if (!m_started) {
        // During the first login: its dialog is what there is to show, and the request waits.
        m_pendingActivation = catalogue;
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->raise();
            dialog->activateWindow();
        }
        return;
    }
    m_mainWindow->restoreFromTray();
    if (!catalogue.empty()) {
        m_document->onOpenFile(catalogue);
    }
}

}  // namespace vorlix
