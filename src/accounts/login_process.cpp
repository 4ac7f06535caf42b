#include "accounts/login_process.h"

#include "accounts/text_digest.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/user_prompt.h"

namespace vorlix {

LoginProcess::LoginProcess(const std::string& programFolder, UserPrompt& prompt,
                           SettingsStore& settings, const CodePage& codePage)
    : m_file(programFolder, codePage),
      m_prompt(prompt),
      m_settings(settings),
      m_codePage(codePage) {}

void LoginProcess::report(const Result& result) {
    if (!result.ok()) {
        m_prompt.message(result.message(), MessageIcon::Stop);
    }
}

bool LoginProcess::accountsLocked() {
    report(m_file.writable());
    return !m_file.writable().ok();
}

bool LoginProcess::open(LoginFields& fields) {
    m_identity.reset();
    m_autoLogin = false;
    m_showingMore = false;
    report(m_file.createIfMissing());
    report(m_file.load(m_accounts));
    m_expanded = m_settings.readNumber(setting::kSettingsKey, setting::kExpLogin) == 1;
    if (m_settings.readNumber(setting::kSettingsKey, setting::kAutoLogin) != 1) {
        return false;
    }
    fields.logName =
        m_settings.readText(setting::kSettingsKey, setting::kLastLogName, setting::kLogInfoLimit);
    fields.password = m_settings.readText(setting::kSettingsKey, setting::kLastPasswordDigest,
                                          setting::kLogInfoLimit);
    // A stored value over the limit reads as empty and must not log anybody in.
    if (fields.logName.empty() || fields.password.empty() ||
        !m_accounts.contains(textDigest(fields.logName, m_codePage), fields.password)) {
        return false;
    }
    m_identity = Identity{fields.logName, fields.password};
    return true;
}

LogCheck LoginProcess::check(const LoginFields& fields) const {
    return checkAgainst(m_accounts, fields);
}

LogCheck LoginProcess::checkAgainst(const AccountList& accounts, const LoginFields& fields) const {
    if (fields.logName.empty() || fields.password.empty()) {
        return LogCheck::Incomplete;
    }
    const CLog* record = accounts.findName(textDigest(fields.logName, m_codePage));
    if (record == nullptr) {
        return LogCheck::NoAccount;
    }
    return record->passwordDigest == textDigest(fields.password, m_codePage)
               ? LogCheck::Valid
               : LogCheck::WrongPassword;
}

bool LoginProcess::acceptCheck(LogCheck result) {
    switch (result) {
        case LogCheck::NoAccount:
            m_prompt.message(kNoAccountMessage);
            return false;
        case LogCheck::WrongPassword:
            m_prompt.message(kFalsePasswordMessage);
            return false;
        case LogCheck::Incomplete:
            return false;
        case LogCheck::Valid:
            break;
    }
    return true;
}

bool LoginProcess::logIn(const LoginFields& fields) {
    if (!acceptCheck(check(fields))) {
        return false;
    }
    const std::string digest = textDigest(fields.password, m_codePage);
    m_settings.writeText(setting::kSettingsKey, setting::kLastLogName, fields.logName);
    m_settings.writeText(setting::kSettingsKey, setting::kLastPasswordDigest, digest);
    m_identity = Identity{fields.logName, digest};
    // A file left as it is was reported when the dialog opened; logging in needs no write.
    if (m_file.writable().ok()) {
        report(m_file.update(m_accounts, [](AccountList&) { return true; }));
    }
    return true;
}

void LoginProcess::addNewUser(LoginFields& fields) {
    if (accountsLocked() || fields.newLogName.empty() || fields.newPassword.empty()) {
        return;
    }
    const std::string nameDigest = textDigest(fields.newLogName, m_codePage);
    const std::string passwordDigest = textDigest(fields.newPassword, m_codePage);
    bool taken = false;
    // Checked against the file as it is now, which another program may have added the same
    // name to. When the file cannot be written the account still works for this session.
    const Result saved = m_file.update(m_accounts, [&](AccountList& accounts) {
        taken = accounts.findName(nameDigest) != nullptr;
        if (!taken) {
            accounts.addFront({nameDigest, passwordDigest});
        }
        return !taken;
    });
    report(saved);
    if (taken) {
        m_prompt.message(kDuplicateAccountMessage);
        return;
    }
    fields.logName = std::move(fields.newLogName);
    fields.password = std::move(fields.newPassword);
    fields.newLogName.clear();
    fields.newPassword.clear();
}

void LoginProcess::changeLogInfo(LoginFields& fields) {
    if (accountsLocked() || !acceptCheck(check(fields))) {
        return;
    }
    if (fields.newLogName.empty() || fields.newPassword.empty()) {
        m_prompt.message(kEnterLogDataMessage);
        return;
    }
    LogCheck current = LogCheck::Valid;
    const Result saved = m_file.update(m_accounts, [&](AccountList& accounts) {
        current = checkAgainst(accounts, fields);
        if (current != LogCheck::Valid) {
            return false;
        }
        accounts.removeFirst(textDigest(fields.logName, m_codePage),
                             textDigest(fields.password, m_codePage));
        accounts.addFront({textDigest(fields.newLogName, m_codePage),
                           textDigest(fields.newPassword, m_codePage)});
        return true;
    });
    report(saved);
    // Another program may have changed or deleted the account since the dialog read it.
    if (!acceptCheck(current)) {
        return;
    }
    fields.logName = std::move(fields.newLogName);
    fields.password = std::move(fields.newPassword);
    fields.newLogName.clear();
    fields.newPassword.clear();
}

void LoginProcess::deleteAccount(LoginFields& fields) {
    if (accountsLocked() || !acceptCheck(check(fields))) {
        return;
    }
    if (m_prompt.ask(kDeleteAccountQuestion, Buttons::YesNo, MessageIcon::Question) !=
        Answer::Yes) {
        return;
    }
    LogCheck current = LogCheck::Valid;
    const Result saved = m_file.update(m_accounts, [&](AccountList& accounts) {
        current = checkAgainst(accounts, fields);
        if (current == LogCheck::Valid) {
            accounts.removeFirst(textDigest(fields.logName, m_codePage),
                                 textDigest(fields.password, m_codePage));
        }
        return current == LogCheck::Valid;
    });
    if (!acceptCheck(current)) {
        report(saved);
        return;
    }
    fields = LoginFields();
    m_prompt.message(kAccountDeletedMessage);
    report(saved);
}

void LoginProcess::toggleAutoLogin() {
    m_autoLogin = !m_autoLogin;
    m_settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, m_autoLogin ? 1 : 0);
}

std::string_view LoginProcess::infoText() const {
    return m_showingMore ? kGettingStartedInfo : kAccountManagerInfo;
}

std::string_view LoginProcess::infoButtonText() const {
    return m_showingMore ? kBackButtonText : kMoreButtonText;
}

}  // namespace vorlix
