#pragma once

#include <string>

#include "accounts/identity.h"
#include "cli/cli_session.h"
#include "core/catalog.h"
#include "platform/file_lock.h"

namespace vorlix {

class CodePage;
class UserPrompt;
struct CliArguments;

// A catalogue file opened for its owner, as the desktop program opens it: the user logged in
// as every command logs in, the named objects a new catalogue has (those of the file replace
// them), a catalogue without owner given to the user, and the owner test. The one place where
// the lending and disc-number commands read and write catalogue files.
class OwnedCatalogue {
public:
    // Throws CommandFailure for a failed login, an unreadable file, or a user who does not own
    // the catalogue. A catalogue without discs has no owner to refuse anyone.
    OwnedCatalogue(const CliArguments& arguments, std::string path, const CodePage& codePage,
                   UserPrompt& prompt);

    CQXCatalog& catalogue() { return m_catalogue; }
    const Identity& user() const { return m_user; }
    SettingsStore& settings() { return m_session.settings(); }
    // The disc of exactly that number; throws CommandFailure when there is none.
    CQXDisc& disc(const std::string& number);
    // Replaces the file atomically; a failure leaves it as it was and throws CommandFailure.
    void save();

private:
    CliSession m_session;
    Identity m_user;
    std::string m_path;
    const CodePage& m_codePage;
    // Held from the read to the save, so that another process's change in between is not lost.
    FileLock m_lock;
    CQXCatalog m_catalogue;
};

}  // namespace vorlix
