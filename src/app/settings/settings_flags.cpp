#include "app/settings/settings_flags.h"

#include "app/setting_names.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

bool isOn(std::uint32_t number) {
    return number == 1;
}

}  // namespace

bool readFlag(const SettingsStore& settings, std::string_view name) {
    return isOn(settings.readNumber(setting::kSettingsKey, name));
}

void writeFlag(SettingsStore& settings, std::string_view name, bool on) {
    settings.writeNumber(setting::kSettingsKey, name, on ? 1 : 0);
}

bool readShowTipsOnStartup(const SettingsStore& settings) {
    return !isOn(settings.readNumber(setting::kTipKey, setting::kTipStartUp));
}

void writeShowTipsOnStartup(SettingsStore& settings, bool show) {
    settings.writeNumber(setting::kTipKey, setting::kTipStartUp, show ? 0 : 1);
}

}  // namespace vorlix
