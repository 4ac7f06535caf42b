#include "app/settings/setting_catalogue.h"

#include <algorithm>
#include <vector>

#include "app/setting_names.h"
#include "platform/disc/drive_letters.h"

namespace vorlix {

namespace {

using namespace setting;

constexpr std::uint32_t kLargest = 0xFFFFFFFF;

constexpr SettingDefinition flag(std::string_view key, std::string_view name) {
    return {key, name, SettingType::Dword, 1, 0};
}

constexpr SettingDefinition number(std::string_view name) {
    return {kSettingsKey, name, SettingType::Dword, kLargest, 0};
}

constexpr SettingDefinition text(std::string_view key, std::string_view name, std::size_t limit) {
    return {key, name, SettingType::Text, 0, limit};
}

constexpr SettingDefinition kFixedSettings[] = {
    flag(kSettingsKey, kAutoLogin),
    flag(kSettingsKey, kAutoNotes),
    flag(kSettingsKey, kAutoSave),
    flag(kSettingsKey, kAutoStart),
    flag(kSettingsKey, kCddb),
    flag(kSettingsKey, kChatSize),
    number(kClearLines),
    flag(kSettingsKey, kCombo),
    flag(kSettingsKey, kConfirmTransfer),
    flag(kSettingsKey, kDefaultPlayer),
    flag(kSettingsKey, kDefCats),
    flag(kSettingsKey, kDelNoExt),
    flag(kSettingsKey, kEnableClear),
    flag(kSettingsKey, kEnableDynamic),
    flag(kSettingsKey, kEnableOverdue),
    flag(kSettingsKey, kExpCopy),
    flag(kSettingsKey, kExpLogin),
    flag(kSettingsKey, kExpPlaylist),
    flag(kSettingsKey, kExpTransfer),
    flag(kSettingsKey, kExtraSearch),
    flag(kSettingsKey, kFilter),
    number(kIntervalDue),
    flag(kSettingsKey, kLargeFileIcons),
    flag(kSettingsKey, kLargeTreeIcons),
    flag(kSettingsKey, kListArchives),
    number(kArchiveLimit),  // beside the flag it goes with
    flag(kSettingsKey, kLoadDb),
    flag(kSettingsKey, kMinimized),
    flag(kSettingsKey, kNetStatus),
    flag(kSettingsKey, kOptimizationCheck),
    flag(kSettingsKey, kPlaylistAction),
    flag(kSettingsKey, kShare),
    flag(kSettingsKey, kShareDb),
    flag(kSettingsKey, kShowTrayInfo),
    flag(kSettingsKey, kStats),
    flag(kSettingsKey, kTransferAuto),
    flag(kSettingsKey, kVisible),
    text(kSettingsKey, kChatUser, kTextLimit),
    text(kSettingsKey, kChatPasswordDigest, kTextLimit),
    text(kSettingsKey, kInstallDir, kPathLimit),
    text(kSettingsKey, kLastLogName, kLogInfoLimit),
    text(kSettingsKey, kLastPasswordDigest, kLogInfoLimit),
    text(kSettingsKey, kChatServer, kAddressLimit),
    text(kSettingsKey, kChatAccountHost, kAddressLimit),
    text(kSettingsKey, kUserEmail, kAddressLimit),
    text(kSettingsKey, kCoverHost, kAddressLimit),
    text(kSettingsKey, kCoverSiteHost, kAddressLimit),
    text(kSettingsKey, kCoverToken, kCoverTokenLimit),
    text(kSettingsKey, kMusicBrainzHost, kAddressLimit),
    text(kSettingsKey, kCoverArtHost, kAddressLimit),
    text(kLastFilesKey, kQvdPathOpen, kPathLimit),
    text(kLastFilesKey, kPlaylistSave, kTextLimit),
    text(kLastFilesKey, kPlaylistOpen, kTextLimit),
    text(kRecentFileListKey, kRecentFile1, kRecentFileLimit),
    text(kRecentFileListKey, kRecentFile2, kRecentFileLimit),
    text(kRecentFileListKey, kRecentFile3, kRecentFileLimit),
    text(kRecentFileListKey, kRecentFile4, kRecentFileLimit),
    flag(kTipKey, kTipStartUp),
    text(kFreedbKey, kFreedbSite, kTextLimit),
};

// The drive map's value names, "d:" to "z:", each standing in the text at its letter.
constexpr std::string_view kDriveNames = "a:b:c:d:e:f:g:h:i:j:k:l:m:n:o:p:q:r:s:t:u:v:w:x:y:z:";

std::vector<SettingDefinition> makeCatalogue() {
    std::vector<SettingDefinition> catalogue(std::begin(kFixedSettings), std::end(kFixedSettings));
    for (char letter = kFirstDriveLetter; letter <= kLastDriveLetter; ++letter) {
        const auto at = static_cast<std::size_t>(letter - 'A') * 2;
        catalogue.push_back(text(kDriveMapKey, kDriveNames.substr(at, 2), kPathLimit));
    }
    return catalogue;
}

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, lowered, lowered);
}

}  // namespace

std::span<const SettingDefinition> settingCatalogue() {
    static const std::vector<SettingDefinition> catalogue = makeCatalogue();
    return catalogue;
}

const SettingDefinition* findSetting(std::string_view name) {
    const auto definitions = settingCatalogue();
    const auto found = std::ranges::find_if(
        definitions,
        [name](const SettingDefinition& definition) { return sameName(definition.name, name); });
    return found == definitions.end() ? nullptr : &*found;
}

}  // namespace vorlix
