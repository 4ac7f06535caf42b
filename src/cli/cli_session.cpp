#include "cli/cli_session.h"

#include <cstdio>

#include "accounts/account_list.h"
#include "accounts/accounts_file.h"
#include "accounts/login_process.h"
#include "accounts/text_digest.h"
#include "app/setting_names.h"
#include "app/settings/data_folder.h"
#include "app/settings/first_start_installation.h"
#include "app/settings/private_folders.h"
#include "app/settings/program_folder_choice.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/settings_flags.h"
#include "app/settings/user_folders.h"
#include "cli/cli_command.h"
#include "cli/password_input.h"

namespace vorlix {

CliSession::CliSession(const CliArguments& arguments, const CodePage& codePage)
    : m_arguments(arguments),
      m_codePage(codePage),
      m_settings(std::make_unique<RegFileSettingsStore>(
          defaultSettingsFilePath(), [](const std::string& problem) {
              std::fprintf(stderr, "vorlix-cli: %s\n", problem.c_str());
          })) {
    // The same first-start installation as the desktop program's, so that the tool works for
    // a user who has never started that.
    if (m_settings->readText(setting::kSettingsKey, setting::kInstallDir, setting::kPathLimit)
            .empty()) {
        FirstStartInstallation(*m_settings, installationDataFolder(), defaultProgramFolderPath())
            .run();
    }
    m_programFolder = chooseProgramFolder(*m_settings, defaultProgramFolderPath()).folder;
    m_accountsFile = std::make_unique<AccountsFile>(m_programFolder, codePage);
}

CliSession::~CliSession() = default;

AccountList CliSession::loadAccounts() {
    if (const Result created = createPrivateFolders(m_programFolder); !created.ok()) {
        throw CommandFailure{m_programFolder + ": " + created.message()};
    }
    AccountsFile& file = *m_accountsFile;
    if (const Result created = file.createIfMissing(); !created.ok()) {
        throw CommandFailure{created.message()};
    }
    AccountList accounts;
    // A file left as it is still gives the accounts read before the damage; only a file that
    // has gone missing since it was made stops the command.
    if (const Result loaded = file.load(accounts); !loaded.ok() && file.writable().ok()) {
        throw CommandFailure{loaded.message()};
    }
    return accounts;
}

void CliSession::reportAccountsLeftAsTheyAre() const {
    if (const Result& writable = m_accountsFile->writable(); !writable.ok()) {
        std::fprintf(stderr, "vorlix-cli: %s\n", writable.message().c_str());
    }
}

Identity CliSession::login() {
    const AccountList accounts = loadAccounts();
    reportAccountsLeftAsTheyAre();
    if (const auto user = m_arguments.value("--user")) {
        const auto password = readPassword("Password for " + *user + ": ");
        if (!password) {
            throw CommandFailure{"no password: set VORLIX_PASSWORD or run on a terminal"};
        }
        const CLog* account = accounts.findName(textDigest(*user, m_codePage));
        if (!account) {
            throw CommandFailure{std::string(kNoAccountMessage)};
        }
        const std::string digest = textDigest(*password, m_codePage);
        if (account->passwordDigest != digest) {
            throw CommandFailure{std::string(kFalsePasswordMessage)};
        }
        return Identity{*user, digest};
    }
    if (readFlag(*m_settings, setting::kAutoLogin)) {
        Identity stored{m_settings->readText(setting::kSettingsKey, setting::kLastLogName,
                                             setting::kLogInfoLimit),
                        m_settings->readText(setting::kSettingsKey, setting::kLastPasswordDigest,
                                             setting::kLogInfoLimit)};
        if (!stored.logName.empty() &&
            accounts.contains(textDigest(stored.logName, m_codePage), stored.passwordDigest)) {
            return stored;
        }
    }
    throw CommandFailure{"not logged in: give --user NAME"};
}

}  // namespace vorlix
