#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vorlix {

enum class SettingType { Dword, Text };

// One value of the settings as a user names it: where it is kept, its type and the values the
// program gives it. A DWORD never goes above its maximum (1 for flags and two-way choices); a
// text is read with its limit, so it holds at most limit - 1 bytes.
struct SettingDefinition {
    std::string_view key;
    std::string_view name;
    SettingType type = SettingType::Dword;
    std::uint32_t maximum = 0;
    std::size_t limit = 0;
};

// Every value the program reads or writes by name, key by key; the window placements, which
// are records of the platform rather than values a user sets, are not among them.
std::span<const SettingDefinition> settingCatalogue();

// The setting of that name, compared without regard to case as the registry compares value
// names; null when there is none.
const SettingDefinition* findSetting(std::string_view name);

}  // namespace vorlix
