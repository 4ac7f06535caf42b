#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace vorlix {

// The pages of the options dialog that edit settings.
enum class OptionsPageId { General, Interface, Net, Startup };

inline constexpr std::array kSettingsPages = {OptionsPageId::General, OptionsPageId::Interface,
                                              OptionsPageId::Net, OptionsPageId::Startup};

// How a page keeps a setting: a flag, on only when it is 1, also for the radio pairs whose
// second button stands for 1; a whole number shown in a field; or a flag stored negated, the
// tip key's "StartUp", ticked while it is not 1.
enum class StoredAs { Flag, Number, NegatedFlag };

struct PageSetting {
    std::string_view key;
    std::string_view name;
    StoredAs storedAs = StoredAs::Flag;
};

// The settings a page reads when the dialog opens and writes on its Apply, in the order of its
// controls.
std::span<const PageSetting> settingsOfPage(OptionsPageId page);

// The flag whose box enables a number field: enableoverdue for intervaldue, enableclear for
// clearlines; nullopt for every other setting.
std::optional<std::string_view> enablingFlagOf(std::string_view numberSetting);

}  // namespace vorlix
