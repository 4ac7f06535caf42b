#pragma once

#include <memory>
#include <string>

#include "accounts/account_list.h"
#include "accounts/accounts_file.h"
#include "accounts/identity.h"

namespace vorlix {

class CodePage;
class SettingsStore;
struct CliArguments;

// What a command needs to act as a user: the user's settings and program folder, and the
// login, made the way the desktop program makes it.
class CliSession {
public:
    CliSession(const CliArguments& arguments, const CodePage& codePage);
    ~CliSession();

    SettingsStore& settings() { return *m_settings; }
    // The program folder of the settings, or the per-user folder when installdir cannot be
    // read, as the desktop program chooses it.
    const std::string& programFolder() const { return m_programFolder; }
    // Logs in with --user and the password from VORLIX_PASSWORD or the terminal, else with the
    // stored automatic login when autologin is on. Throws CommandFailure with the reason. An
    // accounts file left as it is is reported on stderr; its accounts before the damage log in.
    Identity login();
    // The accounts of the program folder, making the folder and an empty accounts file first
    // when there are none yet, as the login does. Throws CommandFailure with the reason. A file
    // that could not be read whole gives the accounts read before the damage; the accounts
    // file then refuses to be written and says why.
    AccountList loadAccounts();
    AccountsFile& accountsFile() { return *m_accountsFile; }
    // Tells the user on stderr why the accounts file is left as it is, when it is.
    void reportAccountsLeftAsTheyAre() const;

private:
    const CliArguments& m_arguments;
    const CodePage& m_codePage;
    std::unique_ptr<SettingsStore> m_settings;
    std::string m_programFolder;
    std::unique_ptr<AccountsFile> m_accountsFile;
};

}  // namespace vorlix
