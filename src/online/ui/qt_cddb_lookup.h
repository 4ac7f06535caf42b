#pragma once

#include <chrono>

#include "online/cddb_lookup.h"

class QWidget;

namespace vorlix {

class SettingsStore;
class UserPrompt;

// The freedb lookup as the desktop program runs it: the opening checks, then the lookup
// dialog, modal over the main window.
class QtCddbLookup final : public CddbLookup {
public:
    QtCddbLookup(SettingsStore& settings, UserPrompt& prompt,
                 std::chrono::milliseconds timeout = std::chrono::seconds(15));

    std::optional<CddbLookupResult> run(CQXCatalog& catalogue, const std::string& number,
                                        const std::string& name) override;

private:
    SettingsStore& m_settings;
    UserPrompt& m_prompt;
    std::chrono::milliseconds m_timeout;
};

}  // namespace vorlix
