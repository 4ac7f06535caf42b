#include "app/options/options_settings.h"

#include "app/setting_names.h"
#include "app/settings/settings_batch.h"
#include "platform/logon_entry.h"

namespace vorlix {

OptionsSettings::OptionsSettings(SettingsStore& settings, LogonEntry& logonEntry)
    : m_settings(settings),
      m_logonEntry(logonEntry),
      m_pages{SettingsPage(OptionsPageId::General), SettingsPage(OptionsPageId::Interface),
              SettingsPage(OptionsPageId::Net), SettingsPage(OptionsPageId::Startup)} {
    for (SettingsPage& copy : m_pages) {
        copy.load(m_settings);
    }
}

SettingsPage& OptionsSettings::page(OptionsPageId id) {
    return m_pages[static_cast<std::size_t>(id)];
}

const SettingsPage& OptionsSettings::page(OptionsPageId id) const {
    return m_pages[static_cast<std::size_t>(id)];
}

Result OptionsSettings::setRunAtLogon(bool on) {
    page(OptionsPageId::Startup).setOn(setting::kAutoStart, on);
    return m_logonEntry.set(on);
}

void OptionsSettings::apply(OptionsPageId id) {
    page(id).apply(m_settings);
}

void OptionsSettings::accept() {
    const SettingsBatch batch(m_settings);
    for (const SettingsPage& copy : m_pages) {
        copy.apply(m_settings);
    }
}

bool OptionsSettings::transferAutomatically() const {
    return page(OptionsPageId::Net).isOn(setting::kTransferAuto);
}

Result OptionsSettings::reload() {
    for (SettingsPage& copy : m_pages) {
        copy.load(m_settings);
    }
    return m_logonEntry.set(page(OptionsPageId::Startup).isOn(setting::kAutoStart));
}

}  // namespace vorlix
