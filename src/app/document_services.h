#pragma once

#include <optional>
#include <string>

#include "accounts/identity.h"

namespace vorlix {

class CQXCatalog;

// The windows the document closes or asks about but does not own: search windows, playlist
// windows and the scan dialog.
class DocumentWindows {
public:
    virtual ~DocumentWindows() = default;
    virtual bool scanInProgress() const = 0;
    virtual bool searchWindowsOpen() const = 0;
    virtual void closeSearchWindows() = 0;
    virtual void closePlaylistWindows() = 0;
    // Empties the disc tree and the file list before their catalogue goes away.
    virtual void clearCatalogueViews() = 0;
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

// Told after every load and save so that the shared discs can be offered to other users.
class SharedCataloguePublisher {
public:
    virtual ~SharedCataloguePublisher() = default;
    virtual void publish(const CQXCatalog& catalogue) = 0;
};

// Ends the program; used when the very first login is abandoned.
class ApplicationControl {
public:
    virtual ~ApplicationControl() = default;
    virtual void quit() = 0;
};

}  // namespace vorlix
