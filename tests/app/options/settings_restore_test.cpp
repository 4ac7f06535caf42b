#include "app/options/settings_restore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;
using test::Shown;

const std::string kDataFolder = std::string(VORLIX_SOURCE_DIR) + "/data";

class SettingsRestoreTest : public testing::Test {
protected:
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
};

TEST_F(SettingsRestoreTest, EachFileIsImportedAfterTheUserSaysYes) {
    settings.writeNumber(kSettingsKey, kIntervalDue, 3);
    settings.writeNumber(kSettingsKey, kClearLines, 7);
    settings.writeText(kSettingsKey, kChatServer, "chat.example.org:7000");
    SettingsRestore restore(settings, prompt, kDataFolder + "/");

    prompt.answers = {Answer::Yes};
    EXPECT_TRUE(restore.restore(RestoreFile::General));
    const std::string general = kDataFolder + "/restore.reg";
    EXPECT_EQ(
        prompt.shown,
        (std::vector<Shown>{{restoreQuestion(general), MessageIcon::Question, Buttons::YesNo},
                            {restoredMessage(general), MessageIcon::Information, std::nullopt}}));
    EXPECT_EQ(settings.readNumber(kSettingsKey, kIntervalDue), 14u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kStats), 1u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kClearLines), 7u);  // a chat setting

    prompt.answers = {Answer::Yes};
    EXPECT_TRUE(restore.restore(RestoreFile::Chat));
    EXPECT_EQ(prompt.messages.back(), restoredMessage(kDataFolder + "/restorechat.reg"));
    EXPECT_EQ(settings.readNumber(kSettingsKey, kClearLines), 500u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kTransferAuto), 1u);
    // Values the files do not hold stay as they were.
    EXPECT_EQ(settings.readText(kSettingsKey, kChatServer, kAddressLimit), "chat.example.org:7000");
}

TEST_F(SettingsRestoreTest, NoLeavesEverySettingAlone) {
    settings.writeNumber(kSettingsKey, kIntervalDue, 3);
    const auto before = settings.numbers;
    SettingsRestore restore(settings, prompt, kDataFolder);
    for (const RestoreFile file : {RestoreFile::General, RestoreFile::Chat}) {
        prompt.answers = {Answer::No};
        EXPECT_FALSE(restore.restore(file));
    }
    EXPECT_EQ(settings.numbers, before);
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{restoreQuestion(kDataFolder + "/restore.reg"),
                                        restoreQuestion(kDataFolder + "/restorechat.reg")}));
}

TEST_F(SettingsRestoreTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    test::TempDir empty;
    test::writeFile(empty.file("restorechat.reg"), "[HKEY_CURRENT_USER\\SOFTWARE]\n");
    settings.writeNumber(kSettingsKey, kIntervalDue, 3);
    const auto before = settings.numbers;
    SettingsRestore restore(settings, prompt, empty.path());

    prompt.answers = {Answer::Yes};
    EXPECT_FALSE(restore.restore(RestoreFile::General));
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].icon, MessageIcon::Warning);
    EXPECT_EQ(prompt.shown[1].text.rfind(
                  restoreFailedMessage("cannot read " + empty.file("restore.reg") + ": "), 0),
              0u)
        << prompt.shown[1].text;

    prompt.answers = {Answer::Yes};
    EXPECT_FALSE(restore.restore(RestoreFile::Chat));
    EXPECT_EQ(
        prompt.messages.back(),
        restoreFailedMessage("not a registry file: the registry editor's header line is missing"));
    EXPECT_EQ(settings.numbers, before);
    EXPECT_TRUE(settings.keys.empty());
}

}  // namespace
}  // namespace vorlix
