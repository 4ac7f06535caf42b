#pragma once

#include <string_view>

namespace vorlix {

class SettingsStore;

// Flags of the settings key. A flag is on only when its number is exactly 1: 2, or no value
// at all, is off. Flags are written as exactly 0 or 1.
bool readFlag(const SettingsStore& settings, std::string_view name);
void writeFlag(SettingsStore& settings, std::string_view name, bool on);

// "Show Tips And Tricks On Startup" is kept negated, as "StartUp" under the tip key: showing
// the tips stores 0, and the tips show unless the stored flag is on.
bool readShowTipsOnStartup(const SettingsStore& settings);
void writeShowTipsOnStartup(SettingsStore& settings, bool show);

}  // namespace vorlix
