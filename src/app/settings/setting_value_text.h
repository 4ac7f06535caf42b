#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace vorlix {

class SettingsStore;
struct SettingDefinition;

// A whole number typed by the user: decimal digits only, no sign, at most maximum; nullopt for
// anything else, the empty text included.
std::optional<std::uint32_t> parseWholeNumber(std::string_view text, std::uint32_t maximum);

// A setting's value as the program reads it, as text: a DWORD in decimal, a text as it is (an
// absent value gives "0" or the empty text).
std::string readSettingValue(const SettingsStore& settings, const SettingDefinition& definition);

// Writes a value given as text, refusing one the program would never give the setting: a DWORD
// that is not a whole number up to the setting's maximum, a text that does not fit its limit.
// The setting's key is made first, so that the value is not lost for want of it. Refusals and
// a value that did not reach the store come back as failures naming the setting.
Result writeSettingValue(SettingsStore& settings, const SettingDefinition& definition,
                         std::string_view value);

}  // namespace vorlix
