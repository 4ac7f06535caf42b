#include "app/options/option_page_settings.h"

#include "app/setting_names.h"

namespace vorlix {

namespace {

using namespace setting;

constexpr PageSetting flag(std::string_view name) {
    return {kSettingsKey, name, StoredAs::Flag};
}

constexpr PageSetting number(std::string_view name) {
    return {kSettingsKey, name, StoredAs::Number};
}

constexpr PageSetting kGeneral[] = {
    flag(kShare),         flag(kExtraSearch),    flag(kOptimizationCheck), flag(kCddb),
    flag(kDefaultPlayer), flag(kPlaylistAction), flag(kEnableOverdue),     number(kIntervalDue),
};

constexpr PageSetting kInterface[] = {
    flag(kCombo),         flag(kAutoNotes),      flag(kLargeFileIcons), flag(kDefCats),
    flag(kEnableDynamic), flag(kLargeTreeIcons), flag(kStats),          flag(kExpLogin),
    flag(kExpTransfer),   flag(kExpCopy),        flag(kExpPlaylist),
};

constexpr PageSetting kNet[] = {
    flag(kVisible),  flag(kShareDb),     flag(kConfirmTransfer), flag(kTransferAuto),
    flag(kChatSize), flag(kEnableClear), number(kClearLines),
};

constexpr PageSetting kStartup[] = {
    flag(kAutoStart), flag(kMinimized), flag(kLoadDb),
    flag(kNetStatus), flag(kFilter),    {kTipKey, kTipStartUp, StoredAs::NegatedFlag},
};

}  // namespace

std::span<const PageSetting> settingsOfPage(OptionsPageId page) {
    switch (page) {
        case OptionsPageId::General:
            return kGeneral;
        case OptionsPageId::Interface:
            return kInterface;
        case OptionsPageId::Net:
            return kNet;
        case OptionsPageId::Startup:
            return kStartup;
    }
    return {};
}

std::optional<std::string_view> enablingFlagOf(std::string_view numberSetting) {
    if (numberSetting == kIntervalDue) {
        return kEnableOverdue;
    }
    if (numberSetting == kClearLines) {
        return kEnableClear;
    }
    return std::nullopt;
}

}  // namespace vorlix
