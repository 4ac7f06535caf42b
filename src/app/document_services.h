#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accounts/identity.h"

namespace vorlix {

class CQXCatalog;
class CQXFileData;

// The windows the document closes, shows or asks about but does not own: search windows, copy
// task windows and the scan dialog.
class DocumentWindows {
public:
    virtual ~DocumentWindows() = default;
    virtual bool scanInProgress() const = 0;
    virtual bool searchWindowsOpen() const = 0;
    virtual void closeSearchWindows() = 0;
    virtual void setSearchWindowsShown(bool shown) = 0;
    virtual void setCopyTaskWindowsShown(bool shown) = 0;
    // Empties the disc tree and the file list before their catalogue goes away.
    virtual void clearCatalogueViews() = 0;
};

// A modeless help playlist window. Destroying it ends the window.
class PlaylistWindow {
public:
    virtual ~PlaylistWindow() = default;
    virtual void setShown(bool shown) = 0;
    // True once the user has closed the window; the document then ends it.
    virtual bool isClosed() const = 0;
};

// Makes the help playlist windows that the document keeps.
class PlaylistWindowFactory {
public:
    virtual ~PlaylistWindowFactory() = default;
    // A new window, not yet shown, over the entries (which it refers to, not copies; each
    // carries its disc's number), or empty to load a help playlist; null while this
    // installation has no playlist window.
    virtual std::unique_ptr<PlaylistWindow> create(const std::vector<CQXFileData*>& entries) = 0;
    // A window over the entries that the caller waits for until it is closed, as search
    // results open it; its "Hide the playlist" closes it. Nothing happens while this
    // installation has no playlist window.
    virtual void runModal(const std::vector<CQXFileData*>& entries) { static_cast<void>(entries); }
};

// The chat and transfer component: its own window, connection, chat windows and transfer
// manager, created hidden and unconnected at start.
class ChatComponent {
public:
    virtual ~ChatComponent() = default;
    virtual void setWindowShown(bool shown) = 0;
    virtual void connect() = 0;
    // Disconnects; safe when not connected.
    virtual void shutDown() = 0;
    virtual void setTransferManagerShown(bool shown) = 0;
    virtual void setChattersShown(bool shown) = 0;
    // Whether the transfer manager comes up by itself when a transfer starts.
    virtual void setVisibleTransfer(bool automatically) = 0;
    virtual int activeTransfers() const = 0;
    virtual int usersOnline() const = 0;
    // "OFFLINE" while not connected; any other text means connected.
    virtual std::string connectionState() const = 0;
    // "0" while the component has no usable chat account.
    virtual std::string accountState() const = 0;
};

// Runs the chat account dialog modally; an account it made is in the settings afterwards.
class ChatAccountService {
public:
    virtual ~ChatAccountService() = default;
    virtual void createAccount() = 0;
};

// Opens a local file or a web address with the desktop's default program.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // False when nothing could be opened: a missing file, or no program for it.
    virtual bool open(const std::string& target) = 0;
};

// Runs the login; nullopt when the user leaves it with Exit or Cancel.
class LoginService {
public:
    virtual ~LoginService() = default;
    virtual std::optional<Identity> login(const std::string& programFolder) = 0;
};

// Runs the Change Database Owner dialog on the catalogue; true when it ended with a change of
// owner on every disc.
class ChangeOwnerService {
public:
    virtual ~ChangeOwnerService() = default;
    virtual bool changeOwner(CQXCatalog& catalogue, const std::string& logName) = 0;
};

// The shared catalogue's file form, made ahead of its publication: the chunks follow each other.
// Nothing is written when no disc is shared; a form that could not be made carries the reason.
struct SharedFileForm {
    bool anyShared = false;
    std::vector<std::string> chunks;
    std::string failure;
};

// Told after every load and save, and when the disc tree is first filled, so that the shared
// discs can be offered to other users. No call fails: the user's load or save stands.
class SharedCataloguePublisher {
public:
    virtual ~SharedCataloguePublisher() = default;
    virtual void publish(const CQXCatalog& catalogue) = 0;
    // The form publish would write, made on any thread from a catalogue that nothing changes
    // meanwhile, so that a large catalogue's form need not be made on the user's thread.
    virtual SharedFileForm prepare(const CQXCatalog& catalogue) const = 0;
    // Publishes a form prepare made from the catalogue as it still is.
    virtual void publishPrepared(SharedFileForm form) = 0;
    virtual void publishTreeCatalogue(const CQXCatalog& catalogue) = 0;
};

// The application around the document.
class ApplicationControl {
public:
    virtual ~ApplicationControl() = default;
    // Ends the program at once; used when the very first login is abandoned.
    virtual void quit() = 0;
    // Closes the main window for good, which offers to save changes first and may be
    // cancelled there.
    virtual void closeMainWindow() = 0;
};

}  // namespace vorlix
