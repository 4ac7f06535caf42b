#include "accounts/login_process.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "accounts/text_digest.h"
#include "app/setting_names.h"
#include "core/code_page.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using Strings = std::vector<std::string>;

const Windows1252 kCodePage;

std::string digest(std::string_view text) {
    return textDigest(text, kCodePage);
}

class LoginProcessTest : public ::testing::Test {
protected:
    test::TempDir folder;
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
    std::string programFolder = folder.path() + "/";

    // A process opened on the accounts made so far, as a freshly opened dialog is.
    LoginProcess opened(LoginFields& fields) {
        LoginProcess process(programFolder, prompt, settings, kCodePage);
        process.open(fields);
        return process;
    }

    // Adds the accounts through the dialog, each in front of the ones before.
    void addAccounts(std::initializer_list<std::pair<const char*, const char*>> accounts) {
        LoginFields fields;
        LoginProcess process = opened(fields);
        for (const auto& [name, password] : accounts) {
            fields.newLogName = name;
            fields.newPassword = password;
            process.addNewUser(fields);
        }
        ASSERT_EQ(prompt.messages, Strings());
    }

    std::uint32_t number(std::string_view name) const {
        return settings.readNumber(setting::kSettingsKey, name);
    }
    std::string text(std::string_view name) const {
        return settings.readText(setting::kSettingsKey, name, 1000);
    }
    std::string accountsFile() const { return test::readFile(folder.file("qxdata.inf")); }
    AccountList readAccountsFile() const {
        const std::string bytes = accountsFile();
        MemorySource source(bytes);
        AccountList list;
        readAccounts(source, kCodePage, list);
        return list;
    }
};

TEST_F(LoginProcessTest, OpeningCreatesAMissingAccountsFileEmpty) {
    LoginFields fields;
    LoginProcess process = opened(fields);
    EXPECT_TRUE(process.accounts().empty());
    EXPECT_TRUE(std::filesystem::exists(folder.file("qxdata.inf")));
    EXPECT_EQ(accountsFile(), "");
    EXPECT_EQ(prompt.messages, Strings());
    EXPECT_FALSE(process.identity());
}

TEST_F(LoginProcessTest, OpeningShowsTheAccountManagerTextCollapsedAndUnchecked) {
    settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
    LoginFields fields;
    LoginProcess process = opened(fields);
    EXPECT_EQ(process.infoText(), kAccountManagerInfo);
    EXPECT_EQ(process.infoButtonText(), "More");
    EXPECT_FALSE(process.expanded());
    EXPECT_EQ(process.height(), 184);
    EXPECT_FALSE(process.autoLogin());
}

TEST_F(LoginProcessTest, OpensExpandedWhenTheSettingSaysSo) {
    settings.writeNumber(setting::kSettingsKey, setting::kExpLogin, 1);
    LoginFields fields;
    LoginProcess process = opened(fields);
    EXPECT_TRUE(process.expanded());
    EXPECT_EQ(process.height(), 297);
    process.toggleExpanded();
    EXPECT_EQ(process.height(), 184);
    process.toggleExpanded();
    EXPECT_EQ(process.height(), 297);
}

TEST_F(LoginProcessTest, MoreAndBackSwitchTheInfoText) {
    LoginFields fields;
    LoginProcess process = opened(fields);
    process.toggleInfo();
    EXPECT_EQ(process.infoText(), kGettingStartedInfo);
    EXPECT_EQ(process.infoButtonText(), "Back");
    process.toggleInfo();
    EXPECT_EQ(process.infoText(), kAccountManagerInfo);
    EXPECT_EQ(process.infoButtonText(), "More");
}

TEST_F(LoginProcessTest, TheCheckBoxWritesAutomaticLoginOnEveryClick) {
    LoginFields fields;
    LoginProcess process = opened(fields);
    process.toggleAutoLogin();
    EXPECT_TRUE(process.autoLogin());
    EXPECT_EQ(number(setting::kAutoLogin), 1u);
    process.toggleAutoLogin();
    EXPECT_FALSE(process.autoLogin());
    EXPECT_EQ(number(setting::kAutoLogin), 0u);
}

struct AutoLoginCase {
    const char* name;
    std::uint32_t autoLogin;
    std::string lastName;
    std::string lastDigest;
    bool logsIn;
};

class AutoLoginTest : public LoginProcessTest,
                      public ::testing::WithParamInterface<AutoLoginCase> {};

const std::string kLongName(56, 'x');

TEST_P(AutoLoginTest, LogsInOnlyWithTheStoredDataOfAnAccount) {
    addAccounts({{"anna", "secret"}, {kLongName.c_str(), "secret"}});
    const AutoLoginCase& c = GetParam();
    settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, c.autoLogin);
    settings.writeText(setting::kSettingsKey, setting::kLastLogName, c.lastName);
    settings.writeText(setting::kSettingsKey, setting::kLastPasswordDigest, c.lastDigest);

    LoginFields fields;
    LoginProcess process(programFolder, prompt, settings, kCodePage);
    EXPECT_EQ(process.open(fields), c.logsIn);
    if (c.logsIn) {
        ASSERT_TRUE(process.identity());
        EXPECT_EQ(process.identity()->logName, c.lastName);
        EXPECT_EQ(process.identity()->passwordDigest, c.lastDigest);
    } else {
        EXPECT_FALSE(process.identity());
    }
    // The log fields show the stored data as far as it could be read.
    const bool filled = c.autoLogin == 1;
    EXPECT_EQ(fields.logName,
              filled && c.lastName.size() < setting::kLogInfoLimit ? c.lastName : "");
    EXPECT_EQ(fields.password, filled ? c.lastDigest : "");
    EXPECT_EQ(prompt.messages, Strings());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoLoginTest,
    ::testing::Values(AutoLoginCase{"On", 1, "anna", digest("secret"), true},
                      AutoLoginCase{"Off", 0, "anna", digest("secret"), false},
                      AutoLoginCase{"OnlyOneMeansOn", 2, "anna", digest("secret"), false},
                      AutoLoginCase{"DeletedAccount", 1, "ben", digest("secret"), false},
                      AutoLoginCase{"ChangedPassword", 1, "anna", digest("old"), false},
                      AutoLoginCase{"NameNamesCase", 1, "Anna", digest("secret"), false},
                      AutoLoginCase{"NameOverTheLimit", 1, kLongName, digest("secret"), false}),
    [](const auto& info) { return std::string(info.param.name); });

struct LogInCase {
    const char* name;
    std::string logName;
    std::string password;
    Strings messages;
    bool logsIn;
};

class LogInTest : public LoginProcessTest, public ::testing::WithParamInterface<LogInCase> {};

TEST_P(LogInTest, AnswersEveryStateOfTheLogFields) {
    addAccounts({{"anna", "secret"}});
    const std::string fileBefore = accountsFile();
    const LogInCase& c = GetParam();
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields.logName = c.logName;
    fields.password = c.password;

    EXPECT_EQ(process.logIn(fields), c.logsIn);
    EXPECT_EQ(prompt.messages, c.messages);
    if (c.logsIn) {
        ASSERT_TRUE(process.identity());
        EXPECT_EQ(process.identity()->logName, "anna");
        EXPECT_EQ(process.identity()->passwordDigest, digest("secret"));
        EXPECT_EQ(text(setting::kLastLogName), "anna");
        EXPECT_EQ(text(setting::kLastPasswordDigest), digest("secret"));
    } else {
        EXPECT_FALSE(process.identity());
        EXPECT_EQ(text(setting::kLastLogName), "");
    }
    EXPECT_EQ(accountsFile(), fileBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogInTest,
    ::testing::Values(
        LogInCase{"Valid", "anna", "secret", {}, true},
        LogInCase{"NoAccount", "ben", "secret", {"The account does not exist!"}, false},
        LogInCase{
            "NamesAreCaseSensitive", "ANNA", "secret", {"The account does not exist!"}, false},
        LogInCase{"WrongPassword", "anna", "Secret", {"False password!"}, false},
        LogInCase{"NoName", "", "secret", {}, false},
        LogInCase{"NoPassword", "anna", "", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginProcessTest, LoggingInRewritesTheAccountsFile) {
    addAccounts({{"anna", "secret"}});
    test::writeFile(folder.file("qxdata.inf"), accountsFile() + "trailing bytes");
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields.logName = "anna";
    fields.password = "secret";
    ASSERT_TRUE(process.logIn(fields));
    EXPECT_EQ(accountsFile(), writeAccounts(process.accounts(), kCodePage));
}

TEST_F(LoginProcessTest, AddingAUserPutsItInFrontAndIntoTheLogFields) {
    addAccounts({{"anna", "secret"}});
    LoginFields fields{"old", "old", "J\xC3\xBCrgen", "pw"};
    LoginProcess process = opened(fields);
    process.addNewUser(fields);

    EXPECT_EQ(prompt.messages, Strings());
    EXPECT_EQ(fields.logName, "J\xC3\xBCrgen");
    EXPECT_EQ(fields.password, "pw");
    EXPECT_EQ(fields.newLogName, "");
    EXPECT_EQ(fields.newPassword, "");
    ASSERT_EQ(process.accounts().records().size(), 2u);
    // Stored as Windows does: the digest of the code page bytes.
    EXPECT_EQ(process.accounts().records()[0].nameDigest, "4617b9a5e4ebe48c50e771f7882adbf1");
    EXPECT_EQ(process.accounts().records()[1].nameDigest, digest("anna"));
    EXPECT_EQ(accountsFile(), writeAccounts(process.accounts(), kCodePage));
    EXPECT_TRUE(process.logIn(fields));
}

TEST_F(LoginProcessTest, AddingNeedsBothNewFields) {
    for (const LoginFields& start :
         {LoginFields{"", "", "ben", ""}, LoginFields{"", "", "", "pw"}}) {
        LoginFields fields = start;
        LoginProcess process = opened(fields);
        process.addNewUser(fields);
        EXPECT_EQ(fields.newLogName, start.newLogName);
        EXPECT_EQ(fields.newPassword, start.newPassword);
        EXPECT_TRUE(process.accounts().empty());
    }
    EXPECT_EQ(accountsFile(), "");
    EXPECT_EQ(prompt.messages, Strings());
}

TEST_F(LoginProcessTest, AddingAnExistingNameIsRefused) {
    addAccounts({{"anna", "secret"}});
    const std::string fileBefore = accountsFile();
    LoginFields fields{"", "", "anna", "other"};
    LoginProcess process = opened(fields);
    process.addNewUser(fields);
    EXPECT_EQ(prompt.messages, Strings{"An account with the same username already exists!"});
    EXPECT_EQ(fields.newLogName, "anna");
    EXPECT_EQ(process.accounts().records().size(), 1u);
    EXPECT_EQ(accountsFile(), fileBefore);

    // Names differ by case: another account.
    fields = {"", "", "Anna", "other"};
    process.addNewUser(fields);
    EXPECT_EQ(process.accounts().records().size(), 2u);
}

struct ChangeRefusalCase {
    const char* name;
    LoginFields fields;
    Strings messages;
};

class ChangeLogInfoRefusalTest : public LoginProcessTest,
                                 public ::testing::WithParamInterface<ChangeRefusalCase> {};

TEST_P(ChangeLogInfoRefusalTest, LeavesAccountsAndFieldsAlone) {
    addAccounts({{"anna", "secret"}});
    const std::string fileBefore = accountsFile();
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields = GetParam().fields;
    process.changeLogInfo(fields);
    EXPECT_EQ(prompt.messages, GetParam().messages);
    EXPECT_EQ(fields.logName, GetParam().fields.logName);
    EXPECT_EQ(fields.newLogName, GetParam().fields.newLogName);
    EXPECT_EQ(accountsFile(), fileBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeLogInfoRefusalTest,
    ::testing::Values(
        ChangeRefusalCase{
            "NoAccount", {"ben", "secret", "carl", "pw"}, {"The account does not exist!"}},
        ChangeRefusalCase{"WrongPassword", {"anna", "wrong", "carl", "pw"}, {"False password!"}},
        ChangeRefusalCase{"Incomplete", {"anna", "", "carl", "pw"}, {}},
        ChangeRefusalCase{"NoNewName",
                          {"anna", "secret", "", "pw"},
                          {"Please, enter the current log data in the login fields!"}},
        ChangeRefusalCase{"NoNewPassword",
                          {"anna", "secret", "carl", ""},
                          {"Please, enter the current log data in the login fields!"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginProcessTest, ChangingLogInfoReplacesTheAccountAtTheFront) {
    addAccounts({{"anna", "secret"}, {"ben", "pw"}});
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields = {"anna", "secret", "carl", "new"};
    process.changeLogInfo(fields);

    EXPECT_EQ(prompt.messages, Strings());
    EXPECT_EQ(fields.logName, "carl");
    EXPECT_EQ(fields.password, "new");
    EXPECT_EQ(fields.newLogName, "");
    EXPECT_EQ(fields.newPassword, "");
    ASSERT_EQ(process.accounts().records().size(), 2u);
    EXPECT_EQ(process.accounts().records()[0].nameDigest, digest("carl"));
    EXPECT_EQ(process.accounts().records()[0].passwordDigest, digest("new"));
    EXPECT_EQ(process.accounts().records()[1].nameDigest, digest("ben"));
    EXPECT_EQ(accountsFile(), writeAccounts(process.accounts(), kCodePage));
}

TEST_F(LoginProcessTest, ARenameCanDuplicateANameAndTheFrontRecordWins) {
    addAccounts({{"anna", "one"}, {"ben", "two"}});
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields = {"ben", "two", "anna", "three"};
    process.changeLogInfo(fields);
    EXPECT_EQ(prompt.messages, Strings());
    ASSERT_EQ(process.accounts().records().size(), 2u);

    LoginFields older{"anna", "one", "", ""};
    EXPECT_FALSE(process.logIn(older));
    EXPECT_EQ(prompt.messages, Strings{"False password!"});
    LoginFields newer{"anna", "three", "", ""};
    EXPECT_TRUE(process.logIn(newer));
    EXPECT_EQ(process.identity()->passwordDigest, digest("three"));
}

TEST_F(LoginProcessTest, DeletingAfterYesRemovesTheAccountAndClearsTheFields) {
    addAccounts({{"anna", "secret"}, {"ben", "pw"}});
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields = {"anna", "secret", "x", "y"};
    prompt.answers = {Answer::Yes};
    process.deleteAccount(fields);

    EXPECT_EQ(prompt.messages,
              (Strings{"Do you realy want to delete this account?", "Account deleted."}));
    EXPECT_EQ(fields.logName, "");
    EXPECT_EQ(fields.password, "");
    EXPECT_EQ(fields.newLogName, "");
    EXPECT_EQ(fields.newPassword, "");
    ASSERT_EQ(process.accounts().records().size(), 1u);
    EXPECT_EQ(process.accounts().records()[0].nameDigest, digest("ben"));
    EXPECT_EQ(accountsFile(), writeAccounts(process.accounts(), kCodePage));
}

TEST_F(LoginProcessTest, DeletingAfterNoChangesNothing) {
    addAccounts({{"anna", "secret"}});
    const std::string fileBefore = accountsFile();
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields = {"anna", "secret", "x", "y"};
    prompt.answers = {Answer::No};
    process.deleteAccount(fields);

    EXPECT_EQ(prompt.messages, Strings{"Do you realy want to delete this account?"});
    EXPECT_EQ(fields.logName, "anna");
    EXPECT_EQ(fields.newLogName, "x");
    EXPECT_EQ(process.accounts().records().size(), 1u);
    EXPECT_EQ(accountsFile(), fileBefore);
}

TEST_F(LoginProcessTest, DeletingChecksTheLogFieldsFirst) {
    addAccounts({{"anna", "secret"}});
    LoginFields fields;
    LoginProcess process = opened(fields);
    for (LoginFields wrong : {LoginFields{"ben", "secret", "", ""},
                              LoginFields{"anna", "pw", "", ""}, LoginFields{"anna", "", "", ""}}) {
        process.deleteAccount(wrong);
    }
    EXPECT_EQ(prompt.messages, (Strings{"The account does not exist!", "False password!"}));
    EXPECT_EQ(process.accounts().records().size(), 1u);
}

TEST_F(LoginProcessTest, ADamagedAccountsFileIsReportedAndItsSoundRecordsKept) {
    addAccounts({{"anna", "secret"}, {"ben", "pw"}});
    const std::string whole = accountsFile();
    test::writeFile(folder.file("qxdata.inf"), whole.substr(0, whole.size() - 10));
    LoginFields fields;
    LoginProcess process = opened(fields);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find(folder.file("qxdata.inf")), std::string::npos);
    EXPECT_NE(prompt.messages[0].find("at byte 118"), std::string::npos) << prompt.messages[0];
    ASSERT_EQ(process.accounts().records().size(), 1u);
    fields = {"ben", "pw", "", ""};
    EXPECT_TRUE(process.logIn(fields));
}

// Accounts anna and ben, ben in front, in a file whose second record is damaged with bytes
// after the damage: ben is read, anna is not.
class DamagedAccountsLoginTest : public LoginProcessTest {
protected:
    void SetUp() override {
        addAccounts({{"anna", "secret"}, {"ben", "pw"}});
        damaged = accountsFile();
        damaged[80] = 0x05;  // the record's class index names no class
        test::writeFile(folder.file("qxdata.inf"), damaged);
    }

    std::string notice() const {
        return "The accounts file \"" + folder.file("qxdata.inf") +
               "\" is damaged at byte 82; it is left as it is. Accounts stored after that point "
               "cannot be used, and adding, changing and deleting accounts is refused until the "
               "file is repaired or replaced.";
    }

    std::string damaged;
};

TEST_F(DamagedAccountsLoginTest, OpeningSaysOnceWhyAndLoggingInLeavesTheFileAlone) {
    LoginFields fields;
    LoginProcess process = opened(fields);
    EXPECT_EQ(prompt.messages, Strings{notice()});
    ASSERT_EQ(process.accounts().records().size(), 1u);

    fields = {"anna", "secret", "", ""};
    EXPECT_FALSE(process.logIn(fields));
    fields = {"ben", "pw", "", ""};
    EXPECT_TRUE(process.logIn(fields));
    EXPECT_EQ(process.identity()->logName, "ben");
    EXPECT_EQ(text(setting::kLastLogName), "ben");
    EXPECT_EQ(prompt.messages, (Strings{notice(), "The account does not exist!"}));
    EXPECT_EQ(accountsFile(), damaged);
}

TEST_F(DamagedAccountsLoginTest, TheAutomaticLoginWorksAndLeavesTheFileAlone) {
    settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
    settings.writeText(setting::kSettingsKey, setting::kLastLogName, "ben");
    settings.writeText(setting::kSettingsKey, setting::kLastPasswordDigest, digest("pw"));
    LoginFields fields;
    LoginProcess process(programFolder, prompt, settings, kCodePage);
    EXPECT_TRUE(process.open(fields));
    EXPECT_EQ(process.identity()->logName, "ben");
    EXPECT_EQ(prompt.messages, Strings{notice()});
    EXPECT_EQ(accountsFile(), damaged);
}

struct AccountChange {
    const char* name;
    LoginFields fields;
    void (LoginProcess::*run)(LoginFields&);
};

void PrintTo(const AccountChange& c, std::ostream* out) {
    *out << c.name;
}

class DamagedAccountsChangeTest : public DamagedAccountsLoginTest,
                                  public ::testing::WithParamInterface<AccountChange> {};

TEST_P(DamagedAccountsChangeTest, IsRefusedWithTheNoticeAndChangesNothing) {
    LoginFields fields;
    LoginProcess process = opened(fields);
    fields = GetParam().fields;
    prompt.answers = {Answer::Yes};
    (process.*GetParam().run)(fields);

    // The deletion question is not even asked.
    EXPECT_EQ(prompt.messages, (Strings{notice(), notice()}));
    EXPECT_EQ(fields.logName, GetParam().fields.logName);
    EXPECT_EQ(fields.newLogName, GetParam().fields.newLogName);
    ASSERT_EQ(process.accounts().records().size(), 1u);
    EXPECT_EQ(process.accounts().records()[0].nameDigest, digest("ben"));
    EXPECT_EQ(accountsFile(), damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedAccountsChangeTest,
    ::testing::Values(AccountChange{"Add", {"", "", "carl", "pw"}, &LoginProcess::addNewUser},
                      AccountChange{
                          "Change", {"ben", "pw", "carl", "new"}, &LoginProcess::changeLogInfo},
                      AccountChange{"Delete", {"ben", "pw", "", ""}, &LoginProcess::deleteAccount}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginProcessTest, AnAccountsFileThatCannotBeReadIsLeftAsItIs) {
    std::filesystem::create_directory(folder.file("qxdata.inf"));
    LoginFields fields;
    LoginProcess process = opened(fields);
    const std::string notice = "The accounts file \"" + folder.file("qxdata.inf") +
                               "\" cannot be read (it is a folder); it is left as it is. Accounts "
                               "that could not be read cannot be used, and adding, changing and "
                               "deleting accounts is refused until the file is repaired or "
                               "replaced.";
    EXPECT_EQ(prompt.messages, Strings{notice});
    fields = {"", "", "anna", "secret"};
    process.addNewUser(fields);
    EXPECT_EQ(prompt.messages, (Strings{notice, notice}));
    EXPECT_TRUE(process.accounts().empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("qxdata.inf")));
}

TEST_F(LoginProcessTest, AnAccountAddedWhenTheFileCannotBeWrittenStillLogsIn) {
    const std::string missing = folder.path() + "/gone/";
    LoginFields fields{"", "", "anna", "secret"};
    LoginProcess process(missing, prompt, settings, kCodePage);
    process.open(fields);
    ASSERT_EQ(prompt.messages.size(), 2u);  // neither created nor read
    process.addNewUser(fields);
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_NE(prompt.messages[2].find(missing + "qxdata.inf"), std::string::npos);
    EXPECT_TRUE(process.logIn(fields));
}

// The dialog may stay open while another program (a second dialog, the command-line tool)
// changes the accounts file: each change is made to the file as it is at that moment, checked
// against it, and keeps the accounts the other program wrote.
TEST_F(LoginProcessTest, ChangesAreMadeToTheAccountsFileAsItIsThen) {
    addAccounts({{"anna", "secret"}});
    LoginFields fields;
    LoginProcess process = opened(fields);
    const auto names = [this] {
        Strings digests;
        const AccountList list = readAccountsFile();
        for (const CLog& record : list.records()) {
            digests.push_back(record.nameDigest);
        }
        return digests;
    };

    addAccounts({{"ben", "pw"}});
    fields = {"", "", "ben", "other"};
    process.addNewUser(fields);
    EXPECT_EQ(prompt.messages, Strings{"An account with the same username already exists!"});
    prompt.messages.clear();
    fields = {"", "", "carl", "c"};
    process.addNewUser(fields);
    EXPECT_EQ(names(), (Strings{digest("carl"), digest("ben"), digest("anna")}));

    addAccounts({{"dora", "d"}});
    fields = {"anna", "secret", "anne", "s2"};
    process.changeLogInfo(fields);
    EXPECT_EQ(names(), (Strings{digest("anne"), digest("dora"), digest("carl"), digest("ben")}));

    addAccounts({{"eve", "e"}});
    fields = {"ben", "pw", "", ""};
    prompt.answers = {Answer::Yes};
    process.deleteAccount(fields);
    EXPECT_EQ(names(), (Strings{digest("eve"), digest("anne"), digest("dora"), digest("carl")}));

    // Carl was renamed elsewhere after this dialog read the file: nothing to rename any more.
    LoginFields elsewhere;
    LoginProcess other = opened(elsewhere);
    elsewhere = {"carl", "c", "karl", "k"};
    other.changeLogInfo(elsewhere);
    prompt.messages.clear();
    fields = {"carl", "c", "carlo", "x"};
    process.changeLogInfo(fields);
    EXPECT_EQ(prompt.messages, Strings{"The account does not exist!"});
    EXPECT_EQ(fields.logName, "carl");
    EXPECT_EQ(names(), (Strings{digest("karl"), digest("eve"), digest("anne"), digest("dora")}));
}

}  // namespace
}  // namespace vorlix
