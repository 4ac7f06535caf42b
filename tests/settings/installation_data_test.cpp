// The installation's registry files: they must read cleanly, create every key the program
// writes into and hold only values of the right type that the program knows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/setting_names.h"
#include "app/settings/file_bytes.h"
#include "app/settings/reg_parser.h"
#include "support/result_assertions.h"

namespace vorlix {
namespace {

using namespace setting;

RegDocument projectFile(const char* name) {
    std::string bytes;
    EXPECT_TRUE(
        test::succeeded(readFileBytes(std::string(VORLIX_SOURCE_DIR) + "/data/" + name, bytes)));
    RegDocument document = parseRegText(bytes);
    EXPECT_EQ(document.version, RegDocument::Version::Five);
    EXPECT_TRUE(document.issues.empty());
    EXPECT_TRUE(document.leading.empty());
    return document;
}

// Value names by key, each checked to be a DWORD.
std::set<std::string> dwordNames(const RegDocument& document, std::string_view key) {
    std::set<std::string> names;
    for (const auto& section : document.sections) {
        EXPECT_EQ(section.kind, RegSection::Kind::Key);
        if (section.path != key) {
            continue;
        }
        for (const auto& entry : section.entries) {
            EXPECT_EQ(entry.kind, RegEntry::Kind::Value);
            EXPECT_EQ(entry.value.type, reg::ValueType::Dword) << entry.value.name;
            names.insert(entry.value.name);
        }
    }
    return names;
}

const std::set<std::string> kChatValues = {
    std::string(kChatSize),    std::string(kClearLines), std::string(kConfirmTransfer),
    std::string(kEnableClear), std::string(kShareDb),    std::string(kTransferAuto),
    std::string(kVisible)};

TEST(InstallationDataTest, RestoreCreatesEveryKeyAndSetsTheGeneralValues) {
    const RegDocument document = projectFile("restore.reg");
    std::set<std::string> keys;
    for (const auto& section : document.sections) {
        keys.insert(section.path);
    }
    EXPECT_EQ(keys, (std::set<std::string>{std::string(kSettingsKey), std::string(kLastFilesKey),
                                           std::string(kRecentFileListKey), std::string(kTipKey),
                                           std::string(kFreedbKey), std::string(kRunKey)}));
    const std::set<std::string> general = {
        std::string(kAutoLogin),      std::string(kAutoNotes),      std::string(kAutoSave),
        std::string(kAutoStart),      std::string(kCddb),           std::string(kCombo),
        std::string(kDefaultPlayer),  std::string(kDefCats),        std::string(kDelNoExt),
        std::string(kEnableDynamic),  std::string(kEnableOverdue),  std::string(kExpCopy),
        std::string(kExpLogin),       std::string(kExpPlaylist),    std::string(kExpTransfer),
        std::string(kExtraSearch),    std::string(kFilter),         std::string(kIntervalDue),
        std::string(kLargeFileIcons), std::string(kLargeTreeIcons), std::string(kLoadDb),
        std::string(kMinimized),      std::string(kNetStatus),      std::string(kOptimizationCheck),
        std::string(kPlaylistAction), std::string(kShare),          std::string(kShowTrayInfo),
        std::string(kStats)};
    EXPECT_EQ(dwordNames(document, kSettingsKey), general);
    EXPECT_EQ(dwordNames(document, kTipKey), std::set<std::string>{std::string(kTipStartUp)});
    for (const auto key : {kLastFilesKey, kRecentFileListKey, kFreedbKey, kRunKey}) {
        EXPECT_TRUE(dwordNames(document, key).empty()) << key;
    }
}

TEST(InstallationDataTest, RestoreChatSetsExactlyTheChatValues) {
    const RegDocument document = projectFile("restorechat.reg");
    ASSERT_EQ(document.sections.size(), 1u);
    EXPECT_EQ(dwordNames(document, kSettingsKey), kChatValues);
}

}  // namespace
}  // namespace vorlix
