#pragma once

namespace vorlix {

class SettingsStore;

// Holds a store's changes back for as long as it lives, so that many changes are stored
// together when it ends.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& m_store;
};

}  // namespace vorlix
