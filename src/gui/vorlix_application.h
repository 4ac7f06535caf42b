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
#include "gui/stand_in_disc_number_commands.h"
#include "gui/stand_in_document_windows.h"
#include "gui/stand_in_lending_commands.h"
#include "gui/stand_in_playlist_windows.h"
#include "gui/stand_in_search_windows.h"
#include "gui/stand_in_shared_catalogue.h"

namespace vorlix {

class C_uFREEDB;
class QtCddbLookup;
class CMainFrame;
class CQX2Doc;
class CurlHttpClient;
class DialogChangeOwnerService;
class DialogLoginService;
class DialogServerChat;
class FilterLists;
class InstanceServer;
class LinuxDiscDrives;
class RegFileSettingsStore;
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
    StandInSharedCatalogue m_shared;
    StandInPlaylistWindows m_playlists;
    StandInSearchWindows m_searchWindows{m_prompt};
    StandInLendingCommands m_lending{m_prompt};
    StandInDiscNumberCommands m_discNumbers{m_prompt};
    DesktopShellOpener m_shell;
    QtLongWork m_longWork;
    // The drives, the freedb control and the filter lists serve the scan dialogs, which live no
    // longer than the main window; the freedb lookup serves the commands panel.
    std::unique_ptr<LinuxDiscDrives> m_drives;
    std::unique_ptr<CurlHttpClient> m_http;
    std::unique_ptr<C_uFREEDB> m_freedb;
    std::unique_ptr<QtCddbLookup> m_cddb;
    std::unique_ptr<FilterLists> m_filterLists;
    ApplicationShell m_application;
    std::unique_ptr<DialogServerChat> m_chat;
    std::unique_ptr<CQX2Doc> m_document;
    std::unique_ptr<CMainFrame> m_mainWindow;
};

}  // namespace vorlix
