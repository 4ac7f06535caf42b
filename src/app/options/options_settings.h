#pragma once

#include <array>

#include "app/options/settings_page.h"
#include "core/result.h"

namespace vorlix {

class LogonEntry;
class SettingsStore;

// What the options dialog does to the settings, apart from showing them: the four settings
// pages' copies, read when the dialog opens; Apply of one page; OK, which writes all four;
// and the logon entry, which changes as soon as its box does. Cancel is no call at all: what
// Apply and the logon entry wrote stays, nothing else is written.
class OptionsSettings {
public:
    OptionsSettings(SettingsStore& settings, LogonEntry& logonEntry);

    SettingsPage& page(OptionsPageId id);
    const SettingsPage& page(OptionsPageId id) const;

    // "Run Orvanta On Startup": the Startup page's copy follows the box, and the logon entry is
    // written or removed at once; autostart itself waits for Apply or OK.
    Result setRunAtLogon(bool on);
    void apply(OptionsPageId id);
    // OK: the settings of the four pages, written together.
    void accept();
    // The Net page's "Show Transfer Dialog Automatically", for the chat component after OK.
    bool transferAutomatically() const;
    // The settings changed under the dialog (a restore): the copies are read again, and the
    // logon entry follows the autostart now stored.
    Result reload();

private:
    SettingsStore& m_settings;
    LogonEntry& m_logonEntry;
    std::array<SettingsPage, kSettingsPages.size()> m_pages;
};

}  // namespace vorlix
