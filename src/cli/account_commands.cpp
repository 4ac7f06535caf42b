#include "cli/account_commands.h"

#include <cstdio>
#include <optional>
#include <string>

#include "accounts/account_list.h"
#include "accounts/accounts_file.h"
#include "accounts/login_process.h"
#include "accounts/text_digest.h"
#include "cli/cli_session.h"
#include "cli/password_input.h"

namespace vorlix {

namespace {

void check(const Result& result) {
    if (!result.ok()) {
        throw CommandFailure{result.message()};
    }
}

std::string passwordFor(const std::string& name) {
    const auto password = readPassword("Password for " + name + ": ");
    if (!password) {
        throw CommandFailure{"no password: set VORLIX_PASSWORD or run on a terminal"};
    }
    if (password->empty()) {
        throw CommandFailure{"the password is empty"};
    }
    return *password;
}

// The change that accounts add or delete makes to the accounts as the file holds them when
// the change is made; refusal says why it was not made.
bool changeAccounts(AccountList& accounts, const std::string& action, const CLog& given,
                    std::optional<std::string>& refusal) {
    const CLog* account = accounts.findName(given.nameDigest);
    if (action == "add") {
        if (account) {
            refusal = kDuplicateAccountMessage;
            return false;
        }
        accounts.addFront(given);
        return true;
    }
    if (!account) {
        refusal = kNoAccountMessage;
    } else if (account->passwordDigest != given.passwordDigest) {
        refusal = kFalsePasswordMessage;
    } else {
        accounts.removeFirst(given.nameDigest, given.passwordDigest);
    }
    return !refusal;
}

void runAccounts(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    AccountList accounts = session.loadAccounts();
    AccountsFile& file = session.accountsFile();
    const std::string& action = a.operands[0];
    if (action == "list" && a.operands.size() == 1) {
        session.reportAccountsLeftAsTheyAre();
        for (const CLog& record : accounts.records()) {
            std::printf("%s %s\n", record.nameDigest.c_str(), record.passwordDigest.c_str());
        }
        return;
    }
    if ((action != "add" && action != "delete") || a.operands.size() != 2) {
        throw CommandFailure{"accounts takes: add NAME, delete NAME or list"};
    }
    const std::string& name = a.operands[1];
    if (name.empty()) {
        throw CommandFailure{"the account name is empty"};
    }
    // Refused before the password is asked for: no password could make the change possible.
    // The password is asked for before the file is locked, so that nobody waits on a user.
    check(file.writable());
    const CLog given{textDigest(name, codePage), textDigest(passwordFor(name), codePage)};
    std::optional<std::string> refusal;
    check(file.update(accounts, [&](AccountList& current) {
        return changeAccounts(current, action, given, refusal);
    }));
    if (refusal) {
        throw CommandFailure{*refusal};
    }
    if (action == "delete") {
        std::printf("%s\n", std::string(kAccountDeletedMessage).c_str());
    }
}

}  // namespace

void addAccountCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["accounts"] = {"accounts add|delete NAME | list",
                            "add or delete a local account, or list them (digests only)",
                            1,
                            2,
                            {},
                            [cp](const CliArguments& a) { runAccounts(a, *cp); }};
    commands["whoami"] = {"whoami [--user NAME]",
                          "log in and show who is logged in",
                          0,
                          0,
                          {"--user"},
                          [cp](const CliArguments& a) {
                              CliSession session(a, *cp);
                              const Identity identity = session.login();
                              std::printf("Currently logged in as: %s\n", identity.logName.c_str());
                          }};
}

}  // namespace vorlix
