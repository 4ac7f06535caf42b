#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/ui/qt_long_work.h"
#include "core/code_page.h"
#include "gui/application_shell.h"
#include "gui/desktop_shell_opener.h"
#include "gui/main_window_search_host.h"
#include "gui/stand_in_document_windows.h"
#include "platform/system_clock.h"

namespace vorlix {

class C_uFREEDB;
class QtCddbLookup;
class CMainFrame;
class CatalogueSearch;
class CQX2Doc;
class CurlHttpClient;
class DialogChangeOwnerService;
class DialogChatAccountService;
class DialogLoginService;
class DialogServerChat;
class DiscTasks;
class FilterLists;
class InstanceServer;
class CDialogCopyTasks;
class ArchiveMemberExtractor;
class ExtractingMemberOpener;
class LinuxDiscDrives;
class PlaylistWindows;
class PrivateTemporaryFolder;
class RegFileSettingsStore;
class SearchResultsCopies;
class SearchWindows;
class SharedCatalogueWriter;
class SingleInstanceLock;
class UserPrompt;

inline constexpr std::string_view kAlreadyRunningMessage = "Vorlix is already running.";

// Where the program keeps and finds its files.
struct StartupLocations {
    std::string settingsFile;
    std::string programFolder;   // used when the settings name none yet; ends with "/"
    std::string dataFolder;      // the installation's data, copied into the program folder
    std::string dataHome;        // the user's data home, where the desktop learns of the program
    std::string lockFile;        // the single-instance lock
    std::string instanceSocket;  // where a second start reaches the running instance
};

// The locations of this process's user, by the XDG base directory rules.
StartupLocations startupLocationsFromEnvironment();

// The desktop program's start-up and the objects that live as long as it runs: the
// single-instance lock, the settings, the document with its services, the chat component and
// the main window.
class VorlixApplication {
public:
    VorlixApplication(StartupLocations locations, UserPrompt& prompt);
    ~VorlixApplication();

    // Starts the program with its arguments (the program name left out). Returns the exit
    // status when the program must end at once: 1 when another instance runs (which is handed
    // the catalogue and brings its window to the front when it can be reached), 0 when the
    // first login was left, 2 for arguments it cannot take. Otherwise the main window is up
    // and the caller runs the event loop, which the main window ends when it closes for good.
    std::optional<int> start(const QStringList& arguments);

    CQX2Doc* document() const { return m_document.get(); }
    CMainFrame* mainWindow() const { return m_mainWindow.get(); }

private:
    void installAndRegister();
    void createScanServices(const std::string& programFolder);
    void listenForLaterStarts();
    // A later start asked for the window and the catalogue (empty for none).
    void activate(const std::string& catalogue);

    StartupLocations m_locations;
    UserPrompt& m_prompt;
    // Carries the settings store's reports to the user-interface thread; they are dropped
    // with it.
    QObject m_reportContext;
    const Windows1252 m_codePage;
    std::unique_ptr<SingleInstanceLock> m_lock;
    std::unique_ptr<InstanceServer> m_instanceServer;
    // A later start's request that came before the main window was up.
    std::optional<std::string> m_pendingActivation;
    bool m_started = false;
    std::unique_ptr<RegFileSettingsStore> m_settings;
    std::unique_ptr<DialogLoginService> m_login;
    std::unique_ptr<DialogChangeOwnerService> m_changeOwner;
    StandInDocumentWindows m_windows;
    MainWindowSearchHost m_searchHost{m_windows};
    DesktopShellOpener m_shell;
    QtLongWork m_longWork;
    SystemClock m_clock;
    // The drives, the freedb control and the filter lists serve the scan dialogs, which live no
    // longer than the main window; the HTTP client serves them and the chat account dialog,
    // and the freedb lookup serves the commands panel.
    std::unique_ptr<LinuxDiscDrives> m_drives;
    std::unique_ptr<CurlHttpClient> m_http;
    std::unique_ptr<C_uFREEDB> m_freedb;
    std::unique_ptr<QtCddbLookup> m_cddb;
    std::unique_ptr<FilterLists> m_filterLists;
    std::unique_ptr<PlaylistWindows> m_playlists;
    std::unique_ptr<CDialogCopyTasks> m_copyTasks;
    std::unique_ptr<SearchResultsCopies> m_searchCopies;
    // Where members of archives are extracted to be opened: emptied when the program ends.
    std::unique_ptr<PrivateTemporaryFolder> m_temporaryFolder;
    std::unique_ptr<ArchiveMemberExtractor> m_memberExtractor;
    std::unique_ptr<ExtractingMemberOpener> m_memberOpener;
    ApplicationShell m_application;
    std::unique_ptr<SharedCatalogueWriter> m_shared;
    std::unique_ptr<DialogServerChat> m_chat;
    std::unique_ptr<DialogChatAccountService> m_chatAccount;
    std::unique_ptr<CQX2Doc> m_document;
    // The panel's lending and disc-number operations, which the main window's panel calls.
    std::unique_ptr<DiscTasks> m_discTasks;
    std::unique_ptr<CatalogueSearch> m_search;
    std::unique_ptr<SearchWindows> m_searchWindows;
    std::unique_ptr<CMainFrame> m_mainWindow;
};

}  // namespace vorlix
