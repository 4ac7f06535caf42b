#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/identity.h"
#include "app/current_disc.h"
#include "app/document_services.h"
#include "app/enter_target.h"
#include "app/pane.h"
#include "core/catalog.h"
#include "platform/file_identity.h"
#include "search/search_index.h"

namespace vorlix {

class ApplicationControl;
class ByteSource;
class ChangeOwnerService;
class ChatAccountService;
class ChatComponent;
class Clock;
class CodePage;
class DocumentWindows;
class FileLock;
class LoginService;
class LongWork;
class PlaylistWindow;
class PlaylistWindowFactory;
class SettingsStore;
class SharedCataloguePublisher;
class ShellOpener;
class UserPrompt;

inline constexpr std::string_view kScanRunningMessage =
    " The scan process is running in background mode";
inline constexpr std::string_view kSearchOpenMessage =
    "You have a search dialog running in background mode! Please press Ctrl + S to close it";
inline constexpr std::string_view kOpenDialogTitle = "Open a CD collection.";
inline constexpr std::string_view kOpenFilter =
    "Vorlix Files (*.vrd)|*.vrd|QX3 Files (*.qvd)|*.qvd|All Files (*.*)|*.*||";
inline constexpr std::string_view kSaveFilter = "Vorlix Files (*.vrd)|*.vrd||";
inline constexpr std::string_view kExitQuestion = "Do you realy want to exit the program?";
inline constexpr std::string_view kChatAccountQuestion =
    "In order to connect to the QX Chat you will need a chat user account.\nWould you like to "
    "create one now?";
inline constexpr std::string_view kHelpMissingMessage = "Could not find the help system.";
inline constexpr std::string_view kSiteFailedMessage = "Could not open internet site.";

// Asked before a save replaces a catalogue file that another program changed since this one
// read or saved it.
std::string changedElsewhereQuestion(const std::string& path);

// The product's web site and its page for bug reports.
inline constexpr std::string_view kProductSite = "https://vorlix.example.org";
inline constexpr std::string_view kReportBugsPage = "/forum/index.php?showforum=5";

// How many catalogues the recent-file list remembers.
inline constexpr std::size_t kRecentFileCount = 4;

// The tray menu's commands for the chat component.
enum class ChatCommand {
    ShowServer,
    HideServer,
    ShowTransferManager,
    HideTransferManager,
    Connect,
    Disconnect,
    ShowChatters,
    HideChatters,
};

struct DocumentServices {
    UserPrompt& prompt;
    SettingsStore& settings;
    const CodePage& codePage;
    DocumentWindows& windows;
    LoginService& login;
    ChangeOwnerService& changeOwner;
    SharedCataloguePublisher& shared;
    ApplicationControl& application;
    ChatComponent& chat;
    ChatAccountService& chatAccount;
    ShellOpener& shell;
    PlaylistWindowFactory& playlists;
    LongWork& longWork;
    // Today's date for the lend dates.
    const Clock& clock;
};

// The one document of the application: owns the catalogue and the current disc, holds the
// logged-in identity, reads and writes catalogue files, keeps the recent-file list and the
// help playlist windows, and is the hub of the main menu: it runs the commands it owns and
// passes the others on to the pane that carries them out. Panes find each other through it.
class CQX2Doc {
public:
    CQX2Doc(DocumentServices services, std::string programFolder);
    ~CQX2Doc();

    CQXCatalog& catalogue() { return *m_catalogue; }
    bool hasDiscs() const { return !m_catalogue->discs.empty(); }
    // Runs a change that removes file entries from the discs, which returns how many it
    // removed. Search and playlist windows, which refer to entries, are closed before it; the
    // current disc, the file list and the commands panel are refreshed after it. Any removal
    // marks the catalogue modified.
    void removeFileEntries(const std::function<std::uint64_t(CQXCatalog&)>& change);
    const CurrentDisc& currentDisc() const { return m_currentDisc; }
    void setCurrentDisc(const CQXDisc& disc) { m_currentDisc.assign(disc); }
    const Identity& identity() const { return m_identity; }
    const std::string& programFolder() const { return m_programFolder; }
    // The code page catalogue files keep their texts in.
    const CodePage& codePage() const { return m_services.codePage; }
    const Clock& clock() const { return m_services.clock; }
    const std::string& path() const { return m_path; }
    // The name the catalogue goes by: its file's name, "Untitled" before it has a file.
    std::string title() const;
    bool isModified() const { return m_modified; }
    // Every edit of the catalogue ends here. An edit of file entries in place acts on the
    // current disc, whose search snapshot is therefore made again before the next search.
    void setModified(bool modified = true);
    // Entries of any disc changed in place (a category renamed or deleted everywhere).
    void entriesChangedEverywhere() { m_searchIndex.everythingChanged(); }
    // The disc of that number, which need not be the current one, changed in place.
    void discChangedInPlace(std::string_view number) { m_searchIndex.discChanged(number); }
    // The discs as the next search sees them, brought up to date with every edit so far.
    CatalogueSnapshot searchDiscs() { return m_searchIndex.discs(*m_catalogue); }
    bool catalogueSerialized() const { return m_serialized; }
    bool lastCatalogueOpenedAtStart() const { return m_openedLastAtStart; }

    // The panes register themselves for the lifetime of their window.
    void addPane(Pane& pane);
    void removePane(const Pane& pane);
    // The registered pane of that class name, or null.
    Pane* pane(std::string_view className) const;

    // The disc tree was filled for the first time: the shared discs it shows are offered too.
    void publishTreeCatalogue();

    // The commands panel's status line, which the tray icon shows as its tooltip.
    const std::string& statusText() const { return m_statusText; }
    void setStatusText(std::string text) { m_statusText = std::move(text); }

    // The category names the disc tree shows discs of; empty shows every disc.
    std::vector<std::string>& categoryFilter() { return m_categoryFilter; }
    const std::vector<std::string>& categoryFilter() const { return m_categoryFilter; }
    // Names the pane field edited last, which decides what the Enter key runs.
    EnterTarget enterTarget() const { return m_enterTarget; }
    void setEnterTarget(EnterTarget target) { m_enterTarget = target; }

    bool fileViewLargeIcons() const { return m_fileViewLargeIcons; }
    bool treeLargeIcons() const { return m_treeLargeIcons; }
    bool wholeTreeShown() const { return m_wholeTreeShown; }
    // Cleared by the categories panel whenever it rebuilds the tree by categories.
    void setWholeTreeShown(bool shown) { m_wholeTreeShown = shown; }

    // The catalogues opened or saved last, most recent first; at most four.
    std::vector<std::string> recentFiles() const;

    // Whether a scan dialog is open; the drive list does not query drives meanwhile.
    bool scanInProgress() const;
    // Closes the search windows, whose results may refer to discs that are gone.
    void closeSearchWindows();

    // True when the logged-in user owns the catalogue; otherwise shows the refusal.
    [[nodiscard]] bool checkOwner();

    // Frees the catalogue for a new empty one; the first time, logs the user in.
    void reset();
    // The framework's open: offers to save changes, resets, reads. False when nothing was
    // opened or the file could not be read (the catalogue is then empty).
    [[nodiscard]] bool openDocument(const std::string& path);
    // Writes the catalogue to path; a failure is reported and leaves the old file intact.
    [[nodiscard]] bool saveDocument(const std::string& path);
    // Asks whether to save a modified catalogue; false when the user cancels or saving fails.
    bool saveModified();

    void onFileNew();
    void onFileOpen();
    // Opens a file dropped on the main window, as Open does after its dialog.
    void onOpenFile(const std::string& path);
    void onOpenDemo();
    bool onFileSave();
    bool onFileSaveAs();
    void onOpenRecent(const std::string& path);
    void openLastCatalogue();
    void onLogout();
    void onChangeDatabaseOwner();
    void onWhoAmI();
    // Asks, then closes the background windows and the main window for good.
    void onExit();

    // False for a View item whose mode is the current one.
    bool commandEnabled(PaneCommand command) const;
    // Runs a pane's menu command: nothing when it is disabled or needs a disc and there is
    // none; otherwise sets the view mode it stands for and passes it to its pane.
    void onCommand(PaneCommand command);

    // The help playlist windows, kept newest first: an empty one for "QX Help Playlist", or
    // one over the file entries the file list adds to a playlist.
    void onHelpPlaylist();
    void openPlaylistWindow(const std::vector<CQXFileData*>& entries);
    // A playlist window over the entries that is closed when this returns, as search results
    // open one; the document does not keep it.
    void runPlaylistWindow(const std::vector<CQXFileData*>& entries);
    void setPlaylistWindowsShown(bool shown);
    // A playlist window was closed: ends every window of the list that is marked closed.
    void onPlaylistWindowClosed();
    std::size_t playlistWindowCount() const { return m_playlistWindows.size(); }

    void setSearchWindowsShown(bool shown);
    void setCopyTaskWindowsShown(bool shown);
    void onChatRoom();
    // The commands panel's "Show the QX server": offers to make a chat account when there is
    // no usable one, then shows the chat server window whatever the answer.
    void onShowQxServer();
    void onChatServer(ChatCommand command);
    // The options dialog closed with OK: the chat component takes the Net page's "Show Transfer
    // Dialog Automatically".
    void onOptionsAccepted(bool transferAutomatically);

    void onHelp();
    void onTipsAndTricks();
    void onReportBugs();

private:
    enum class OpenResult { Opened, Kept, Failed };

    OpenResult open(const std::string& path);
    // The catalogue read from the file at path on a worker, the user seeing its progress; null
    // when the user cancelled. Throws what the reader threw.
    // The search snapshots of the catalogue and its shared file form are made on the same
    // worker, before anybody else sees the catalogue, so that neither the first search nor the
    // user's thread has to make them.
    std::unique_ptr<CQXCatalog> readInBackground(const std::string& path, ByteSource& source,
                                                 SearchIndex& index, SharedFileForm& shared);
    bool serializationRefused();
    bool newOrOpenRefused();
    void freshCatalogue();
    // Reset without showing the result in the panes.
    void resetCatalogue();
    // Lets the panes show the catalogue just created or read, its first disc selected.
    void showCatalogueInPanes();
    // `prepared` is the shared form of the catalogue as it was read, if the reader made it.
    void afterSerialize(std::optional<SharedFileForm> prepared = std::nullopt);
    void emptyCatalogue();
    void endPlaylistWindows();
    void rememberRecentFile(const std::string& path);
    void forgetRecentFile(const std::string& path);
    void writeRecentFiles(const std::vector<std::string>& files);
    void openSite(const std::string& address);
    // Takes the lock of the file at path for a save; false when the lock cannot be had
    // (reported) or the file is the open catalogue's, another program changed it since, and
    // the user does not want to save over that.
    bool lockForSave(const std::string& path, FileLock& lock);

    DocumentServices m_services;
    std::string m_programFolder;
    std::unique_ptr<CQXCatalog> m_catalogue;
    SearchIndex m_searchIndex;
    CurrentDisc m_currentDisc;
    Identity m_identity;
    std::string m_path;
    // The state of the file at m_path when it was last read or saved.
    std::optional<FileIdentity> m_fileIdentity;
    std::vector<Pane*> m_panes;
    std::vector<std::unique_ptr<PlaylistWindow>> m_playlistWindows;
    std::string m_statusText;
    std::vector<std::string> m_categoryFilter;
    EnterTarget m_enterTarget = EnterTarget::None;
    bool m_modified = false;
    bool m_firstLoginDone = false;
    bool m_serialized = false;
    bool m_openedLastAtStart = false;
    // Set while a catalogue is read; the windows stay live meanwhile, and a second open waits
    // for no one: it is refused.
    bool m_reading = false;
    bool m_fileViewLargeIcons = false;
    bool m_treeLargeIcons = false;
    bool m_wholeTreeShown = true;
};

}  // namespace vorlix
