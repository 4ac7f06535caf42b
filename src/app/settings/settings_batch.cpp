#include "app/settings/settings_batch.h"

#include "app/settings_store.h"

namespace vorlix {

SettingsBatch::SettingsBatch(SettingsStore& store) : m_store(store) {
    m_store.beginBatch();
}

SettingsBatch::~SettingsBatch() {
    m_store.endBatch();
}

}  // namespace vorlix
