#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "cli/cli_test_fixture.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;

class ConfigCommandTest : public test::CliTest {
protected:
    std::string settingsFile() { return folder.file("config/vorlix/settings.reg"); }
};

TEST_F(ConfigCommandTest, GetsAndSetsADwordAndATextAsTheProgramReadsThem) {
    // The first start's settings are those of the installation.
    const test::CliRun installed = run("config get intervaldue");
    ASSERT_EQ(installed.status, 0) << installed.err;
    EXPECT_EQ(installed.out, "14\n");
    EXPECT_EQ(run("config get chatserver").out, "\n");

    struct Row {
        std::string name;
        std::string value;
        std::string shown;
    };
    const std::vector<Row> rows = {
        {"intervaldue", "30", "30\n"},
        {"share", "1", "1\n"},
        {"StartUp", "1", "1\n"},
        {"chatserver", "chat.example.org:7000", "chat.example.org:7000\n"},
        {"useremail", "ann@example.org", "ann@example.org\n"},
        {"e:", "/dev/sr1", "/dev/sr1\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::CliRun set = run("config set " + row.name + " '" + row.value + "'");
        EXPECT_EQ(set.status, 0) << set.err;
        EXPECT_EQ(set.out, "");
        EXPECT_EQ(run("config get " + row.name).out, row.shown);
    }

    // The program reads what the tool wrote, under the program's keys and types.
    const RegFileSettingsStore settings(settingsFile());
    EXPECT_EQ(settings.readNumber(kSettingsKey, kIntervalDue), 30u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kShare), 1u);
    EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 1u);
    EXPECT_EQ(settings.readText(kSettingsKey, kChatServer, kAddressLimit), "chat.example.org:7000");
    EXPECT_EQ(settings.readText(kDriveMapKey, "e:", kPathLimit), "/dev/sr1");
    EXPECT_NE(test::readFile(settingsFile()).find("\"intervaldue\"=dword:0000001e"),
              std::string::npos);
}

TEST_F(ConfigCommandTest, RefusesInOneLineAndChangesNothing) {
    ASSERT_EQ(run("config set covertoken ABCDEFGHIJ123").status, 0);
    const std::string before = test::readFile(settingsFile());
    struct Row {
        std::string arguments;
        std::string error;
    };
    const std::vector<Row> rows = {
        {"config get nosuch", "vorlix-cli: no setting is named \"nosuch\"\n"},
        {"config set nosuch 1", "vorlix-cli: no setting is named \"nosuch\"\n"},
        {"config set covertoken ABCDEFGHIJ1234",
         "vorlix-cli: covertoken holds at most 13 bytes; the value has 14\n"},
        {"config set lnfo1 " + std::string(56, 'x'),
         "vorlix-cli: lnfo1 holds at most 55 bytes; the value has 56\n"},
        {"config set share 2", "vorlix-cli: share takes 0 or 1\n"},
        {"config set intervaldue -- -1",
         "vorlix-cli: intervaldue takes a whole number from 0 to 4294967295\n"},
        {"config set intervaldue 4294967296",
         "vorlix-cli: intervaldue takes a whole number from 0 to 4294967295\n"},
        {"config frob x", "vorlix-cli: config takes: get NAME, set NAME VALUE or list\n"},
        {"config get", "vorlix-cli: config takes: get NAME, set NAME VALUE or list\n"},
        {"config set share", "vorlix-cli: config takes: get NAME, set NAME VALUE or list\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        const test::CliRun refused = run(row.arguments);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, row.error);
    }
    EXPECT_EQ(test::readFile(settingsFile()), before);
    EXPECT_EQ(run("config get covertoken").out, "ABCDEFGHIJ123\n");
}

TEST_F(ConfigCommandTest, ListsEverySettingWithItsValue) {
    ASSERT_EQ(run("config set lnfo1 \"$(printf 'line\\001break')\"").status, 0);
    const test::CliRun list = run("config list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("autologin=0\nautonotes=0\nautosave=1\n", 0), 0u) << list.out;
    EXPECT_NE(list.out.find("\nintervaldue=14\n"), std::string::npos);
    EXPECT_NE(list.out.find("\nlnfo1=line\\x01break\n"), std::string::npos);
    EXPECT_NE(list.out.find("\nd:=\ne:=\n"), std::string::npos);
    EXPECT_EQ(list.out.find("WindowPlacement"), std::string::npos);
}

}  // namespace
}  // namespace vorlix
