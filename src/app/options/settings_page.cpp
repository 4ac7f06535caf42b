#include "app/options/settings_page.h"

#include <stdexcept>

#include "app/settings/settings_batch.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

std::uint32_t shownValue(const PageSetting& setting, std::uint32_t stored) {
    switch (setting.storedAs) {
        case StoredAs::Flag:
            return stored == 1 ? 1 : 0;
        case StoredAs::NegatedFlag:
            return stored == 1 ? 0 : 1;
        case StoredAs::Number:
            break;
    }
    return stored;
}

std::uint32_t storedValue(const PageSetting& setting, std::uint32_t shown) {
    return setting.storedAs == StoredAs::NegatedFlag ? (shown == 1 ? 0 : 1) : shown;
}

}  // namespace

SettingsPage::SettingsPage(OptionsPageId id) : m_id(id) {
    for (const PageSetting& setting : settingsOfPage(id)) {
        m_values.emplace(setting.name, 0);
    }
}

void SettingsPage::load(const SettingsStore& settings) {
    for (const PageSetting& setting : settingsOfPage(m_id)) {
        value(setting.name) = shownValue(setting, settings.readNumber(setting.key, setting.name));
    }
}

void SettingsPage::apply(SettingsStore& settings) const {
    const SettingsBatch batch(settings);
    for (const PageSetting& setting : settingsOfPage(m_id)) {
        settings.writeNumber(setting.key, setting.name, storedValue(setting, value(setting.name)));
    }
}

bool SettingsPage::isOn(std::string_view name) const {
    return value(name) == 1;
}

void SettingsPage::setOn(std::string_view name, bool on) {
    value(name) = on ? 1 : 0;
}

std::uint32_t SettingsPage::number(std::string_view name) const {
    return value(name);
}

void SettingsPage::setNumber(std::string_view name, std::uint32_t number) {
    value(name) = number;
}

std::uint32_t& SettingsPage::value(std::string_view name) {
    const auto found = m_values.find(name);
    if (found == m_values.end()) {
        throw std::out_of_range("no setting " + std::string(name) + " on this page");
    }
    return found->second;
}

std::uint32_t SettingsPage::value(std::string_view name) const {
    return const_cast<SettingsPage*>(this)->value(name);
}

}  // namespace vorlix
