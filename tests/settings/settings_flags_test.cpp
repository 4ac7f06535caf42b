#include "app/settings/settings_flags.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/user_folders.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;

// Every DWORD of the settings key that some page or pane reads as a flag.
constexpr std::string_view kFlags[] = {
    kAutoLogin,      kAutoNotes,     kAutoSave,        kAutoStart, kCddb,
    kChatSize,       kCombo,         kConfirmTransfer, kDefCats,   kDelNoExt,
    kEnableClear,    kEnableDynamic, kEnableOverdue,   kExpCopy,   kExpLogin,
    kExpPlaylist,    kExpTransfer,   kExtraSearch,     kFilter,    kLargeFileIcons,
    kLargeTreeIcons, kLoadDb,        kMinimized,       kNetStatus, kOptimizationCheck,
    kShare,          kShareDb,       kShowTrayInfo,    kStats,     kTransferAuto,
    kVisible,
};

TEST(SettingsFlagsTest, AFreshUserHasEveryFlagOffAndTheStartingValues) {
    test::TempDir folder;
    const RegFileSettingsStore settings(folder.file("settings.reg"));
    for (const auto name : kFlags) {
        EXPECT_FALSE(readFlag(settings, name)) << name;
    }
    EXPECT_EQ(programFolder(settings), "/");
    EXPECT_EQ(settings.readNumber(kSettingsKey, kIntervalDue), 0u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kDefaultPlayer), 0u);   // WinAmp
    EXPECT_EQ(settings.readNumber(kSettingsKey, kPlaylistAction), 0u);  // Create
    EXPECT_EQ(settings.readNumber(kSettingsKey, kClearLines), 0u);
    EXPECT_TRUE(readShowTipsOnStartup(settings));
}

TEST(SettingsFlagsTest, OnlyOneIsOn) {
    const std::vector<std::pair<std::optional<std::uint32_t>, bool>> cases = {
        {std::nullopt, false}, {0, false}, {1, true}, {2, false}, {0xffffffff, false},
    };
    for (const auto& [stored, on] : cases) {
        test::MemorySettings settings;
        if (stored) {
            settings.writeNumber(kSettingsKey, kEnableOverdue, *stored);
        }
        EXPECT_EQ(readFlag(settings, kEnableOverdue), on) << stored.value_or(12345);
    }
}

TEST(SettingsFlagsTest, FlagsAreWrittenAsZeroOrOne) {
    test::MemorySettings settings;
    settings.writeNumber(kSettingsKey, kLargeFileIcons, 2);
    writeFlag(settings, kLargeFileIcons, true);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kLargeFileIcons), 1u);
    writeFlag(settings, kLargeFileIcons, false);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kLargeFileIcons), 0u);
}

TEST(SettingsFlagsTest, ShowingTipsOnStartupIsStoredNegated) {
    test::MemorySettings settings;
    writeShowTipsOnStartup(settings, true);
    EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 0u);
    EXPECT_TRUE(readShowTipsOnStartup(settings));
    writeShowTipsOnStartup(settings, false);
    EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 1u);
    EXPECT_FALSE(readShowTipsOnStartup(settings));
    settings.writeNumber(kTipKey, kTipStartUp, 2);
    EXPECT_TRUE(readShowTipsOnStartup(settings));
}

}  // namespace
}  // namespace vorlix
