#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "accounts/account_list.h"
#include "accounts/accounts_file.h"
#include "accounts/identity.h"

namespace vorlix {

class CodePage;
class SettingsStore;
class UserPrompt;

inline constexpr std::string_view kNoAccountMessage = "The account does not exist!";
inline constexpr std::string_view kFalsePasswordMessage = "False password!";
inline constexpr std::string_view kDuplicateAccountMessage =
    "An account with the same username already exists!";
inline constexpr std::string_view kEnterLogDataMessage =
    "Please, enter the current log data in the login fields!";
inline constexpr std::string_view kDeleteAccountQuestion =
    "Do you realy want to delete this account?";
inline constexpr std::string_view kAccountDeletedMessage = "Account deleted.";

inline constexpr std::string_view kAccountManagerInfo =
    "This is your cd database account manager.All accounts you create here are used only with "
    "Orvanta CD databases (*.vrd files).When you login with some username, all cd databases that "
    "you create will be owned by this particular user. You can specify the CD's that others can "
    "see by sharing/unsharing them and you can also change the owner of a database.Please see "
    "the help file for details...";
inline constexpr std::string_view kGettingStartedInfo =
    "Note that your QX Chat account can not be  used here and is of a completely different "
    "type.To get started:\n1. Go to the Add/Edit Users panel below\n2. Enter a username and a "
    "password\n3. Click on `Add New User`\n4.The username and password automatically appear on "
    "the logon panel.\n5. Click on `Log In` to proceed";
inline constexpr std::string_view kMoreButtonText = "More";
inline constexpr std::string_view kBackButtonText = "Back";

inline constexpr int kExpandedLoginHeight = 297;
inline constexpr int kCollapsedLoginHeight = 184;

// The texts of the login dialog's edit fields: the account to log in with, and the account to
// add or to change the current one into.
struct LoginFields {
    std::string logName;
    std::string password;
    std::string newLogName;
    std::string newPassword;
};

// What the log fields say about the account list.
enum class LogCheck { Incomplete, NoAccount, WrongPassword, Valid };

// Everything the login dialog does besides showing itself: loading and saving the accounts
// file, logging in (by hand or automatically from the last login), adding, changing and
// deleting accounts, and the dialog's switchable states. The dialog hands its fields in and
// shows them as they come back.
//
// An accounts file that could not be read whole is left as it is: opening says so once, the
// accounts read before the damage still log in, and adding, changing and deleting accounts are
// refused with the same message. Every change reads the file again under its lock and is made
// to what it holds then, so that a change another program made meanwhile is kept.
class LoginProcess {
public:
    LoginProcess(const std::string& programFolder, UserPrompt& prompt, SettingsStore& settings,
                 const CodePage& codePage);

    // Opens the dialog: loads the accounts (creating an empty file when there is none) and
    // fills the log fields from the last login when automatic login is on. True when that
    // login matched an account, so the dialog closes at once with identity() set.
    bool open(LoginFields& fields);

    LogCheck check(const LoginFields& fields) const;

    // True when the fields name an account: the dialog then closes with identity() set.
    bool logIn(const LoginFields& fields);
    void addNewUser(LoginFields& fields);
    void changeLogInfo(LoginFields& fields);
    void deleteAccount(LoginFields& fields);

    // The check box "Log me automatically with this account  next time".
    bool autoLogin() const { return m_autoLogin; }
    void toggleAutoLogin();

    bool expanded() const { return m_expanded; }
    int height() const { return m_expanded ? kExpandedLoginHeight : kCollapsedLoginHeight; }
    void toggleExpanded() { m_expanded = !m_expanded; }

    // The "Important Info" panel: its text and the name of the button that switches it.
    std::string_view infoText() const;
    std::string_view infoButtonText() const;
    void toggleInfo() { m_showingMore = !m_showingMore; }

    const std::optional<Identity>& identity() const { return m_identity; }
    const AccountList& accounts() const { return m_accounts; }

private:
    // Shows a failure of the accounts file, if there is one.
    void report(const Result& result);
    // Shows why the accounts file is left as it is; true when it is, so that nothing may
    // change the accounts.
    bool accountsLocked();
    // Shows the message that belongs to a failed check; false unless the check was Valid.
    bool acceptCheck(LogCheck result);
    LogCheck checkAgainst(const AccountList& accounts, const LoginFields& fields) const;

    AccountsFile m_file;
    UserPrompt& m_prompt;
    SettingsStore& m_settings;
    const CodePage& m_codePage;
    AccountList m_accounts;
    std::optional<Identity> m_identity;
    bool m_autoLogin = false;
    bool m_expanded = false;
    bool m_showingMore = false;
};

}  // namespace vorlix
