#include "app/settings/setting_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/setting_value_text.h"
#include "support/memory_settings.h"
#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;

std::string lowered(std::string_view name) {
    std::string text(name);
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(SettingCatalogueTest, NamesEveryValueOnceWithItsKey) {
    std::set<std::string> names;
    for (const SettingDefinition& definition : settingCatalogue()) {
        EXPECT_TRUE(names.insert(lowered(definition.name)).second) << definition.name;
        EXPECT_EQ(definition.type == SettingType::Text, definition.limit > 0) << definition.name;
        EXPECT_EQ(definition.type == SettingType::Dword, definition.maximum > 0) << definition.name;
    }
    // 59 named values and the drive map's letters D: to Z:.
    EXPECT_EQ(names.size(), 59u + 23u);

    struct Row {
        std::string_view asked;
        std::string_view key;
        std::string_view name;
        SettingType type;
        std::uint32_t maximum;
        std::size_t limit;
    };
    const std::vector<Row> rows = {
        {"share", kSettingsKey, kShare, SettingType::Dword, 1, 0},
        {"SHARE", kSettingsKey, kShare, SettingType::Dword, 1, 0},
        {"defaultplayer", kSettingsKey, kDefaultPlayer, SettingType::Dword, 1, 0},
        {"intervaldue", kSettingsKey, kIntervalDue, SettingType::Dword, 0xFFFFFFFF, 0},
        {"clearlines", kSettingsKey, kClearLines, SettingType::Dword, 0xFFFFFFFF, 0},
        {"listarchives", kSettingsKey, kListArchives, SettingType::Dword, 1, 0},
        {"archivelimit", kSettingsKey, kArchiveLimit, SettingType::Dword, 0xFFFFFFFF, 0},
        {"startup", kTipKey, kTipStartUp, SettingType::Dword, 1, 0},
        {"installdir", kSettingsKey, kInstallDir, SettingType::Text, 0, 512},
        {"lnfo1", kSettingsKey, kLastLogName, SettingType::Text, 0, 56},
        {"info3", kSettingsKey, kChatUser, SettingType::Text, 0, 4096},
        {"chatserver", kSettingsKey, kChatServer, SettingType::Text, 0, 256},
        {"chataccounthost", kSettingsKey, kChatAccountHost, SettingType::Text, 0, 256},
        {"useremail", kSettingsKey, kUserEmail, SettingType::Text, 0, 256},
        {"coverhost", kSettingsKey, kCoverHost, SettingType::Text, 0, 256},
        {"coversitehost", kSettingsKey, kCoverSiteHost, SettingType::Text, 0, 256},
        {"covertoken", kSettingsKey, kCoverToken, SettingType::Text, 0, 14},
        {"musicbrainzhost", kSettingsKey, kMusicBrainzHost, SettingType::Text, 0, 256},
        {"CoverArtHost", kSettingsKey, kCoverArtHost, SettingType::Text, 0, 256},
        {"qvdpathopen", kLastFilesKey, kQvdPathOpen, SettingType::Text, 0, 512},
        {"File3", kRecentFileListKey, kRecentFile3, SettingType::Text, 0, 1024},
        {"freedbsite", kFreedbKey, kFreedbSite, SettingType::Text, 0, 4096},
        {"E:", kDriveMapKey, "e:", SettingType::Text, 0, 512},
        {"z:", kDriveMapKey, "z:", SettingType::Text, 0, 512},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.asked);
        const SettingDefinition* definition = findSetting(row.asked);
        ASSERT_NE(definition, nullptr);
        EXPECT_EQ(definition->key, row.key);
        EXPECT_EQ(definition->name, row.name);
        EXPECT_EQ(definition->type, row.type);
        EXPECT_EQ(definition->maximum, row.maximum);
        EXPECT_EQ(definition->limit, row.limit);
    }
    for (const char* unknown : {"", "shares", "c:", "WindowPlacement", "Vorlix"}) {
        EXPECT_EQ(findSetting(unknown), nullptr) << unknown;
    }
}

TEST(SettingValueTextTest, WholeNumbersAreDigitsUpToTheMaximum) {
    const std::vector<std::pair<std::string_view, std::optional<std::uint32_t>>> cases = {
        {"0", 0},
        {"14", 14},
        {"007", 7},
        {"4294967295", 4294967295},
        {"", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1.5", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"4294967296", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(parseWholeNumber(text, 0xFFFFFFFF), number) << text;
    }
    EXPECT_EQ(parseWholeNumber("1", 1), 1u);
    EXPECT_EQ(parseWholeNumber("2", 1), std::nullopt);
}

TEST(SettingValueTextTest, ValuesAreWrittenAndReadAsTheProgramTypesThem) {
    struct Row {
        std::string_view name;
        std::string_view value;
        std::string_view readBack;
    };
    const std::vector<Row> rows = {
        {"share", "1", "1"},
        {"defaultplayer", "0", "0"},
        {"intervaldue", "0030", "30"},
        {"clearlines", "4294967295", "4294967295"},
        {"StartUp", "1", "1"},
        {"useremail", "ann@example.org", "ann@example.org"},
        {"covertoken", "ABCDEFGHIJ123", "ABCDEFGHIJ123"},
        {"e:", "/dev/sr1", "/dev/sr1"},
        {"chatserver", "", ""},
    };
    test::TempDir folder;
    RegFileSettingsStore settings(folder.file("settings.reg"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SettingDefinition& definition = *findSetting(row.name);
        EXPECT_TRUE(test::succeeded(writeSettingValue(settings, definition, row.value)));
        EXPECT_EQ(readSettingValue(settings, definition), row.readBack);
    }
    // Every key was made as it was needed, the drive map's too, and the values reached the file.
    const RegFileSettingsStore again(folder.file("settings.reg"));
    EXPECT_EQ(again.readText(kDriveMapKey, "e:", kPathLimit), "/dev/sr1");
    EXPECT_EQ(again.readNumber(kTipKey, kTipStartUp), 1u);
    EXPECT_EQ(readSettingValue(again, *findSetting("intervaldue")), "30");
    EXPECT_EQ(readSettingValue(again, *findSetting("autonotes")), "0");
}

TEST(SettingValueTextTest, ValuesTheProgramWouldNeverGiveAreRefusedAndNothingChanges) {
    struct Row {
        std::string_view name;
        std::string value;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"share", "2", "share takes 0 or 1"},
        {"playlistaction", "yes", "playlistaction takes 0 or 1"},
        {"intervaldue", "-3", "intervaldue takes a whole number from 0 to 4294967295"},
        {"intervaldue", "", "intervaldue takes a whole number from 0 to 4294967295"},
        {"clearlines", "4294967296", "clearlines takes a whole number from 0 to 4294967295"},
        {"covertoken", "ABCDEFGHIJ1234", "covertoken holds at most 13 bytes; the value has 14"},
        {"lnfo1", std::string(56, 'x'), "lnfo1 holds at most 55 bytes; the value has 56"},
        {"installdir", std::string(512, 'x'),
         "installdir holds at most 511 bytes; the value has 512"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::MemorySettings settings;
        const SettingDefinition& definition = *findSetting(row.name);
        settings.writeNumber(kSettingsKey, kIntervalDue, 9);
        const auto numbers = settings.numbers;
        EXPECT_TRUE(
            test::failedWith(writeSettingValue(settings, definition, row.value), row.message));
        EXPECT_EQ(settings.numbers, numbers);
        EXPECT_TRUE(settings.texts.empty());
        EXPECT_TRUE(settings.keys.empty());
    }
}

// The name leaves no room for the temporary file's suffix, so the file cannot be replaced.
TEST(SettingValueTextTest, AValueThatDoesNotReachTheStoreIsAFailure) {
    test::TempDir folder;
    const std::string path = folder.file(std::string(250, 's'));
    test::writeFile(path, "Windows Registry Editor Version 5.00\r\n\r\n");
    RegFileSettingsStore settings(path);
    EXPECT_TRUE(test::failedWith(writeSettingValue(settings, *findSetting("loaddb"), "1"),
                                 "loaddb could not be stored in the settings"));
    EXPECT_EQ(settings.readNumber(kSettingsKey, kLoadDb), 0u);
}

}  // namespace
}  // namespace vorlix
