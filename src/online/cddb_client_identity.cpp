#include "online/cddb_client_identity.h"

#include "app/setting_names.h"
#include "app/settings_store.h"

namespace vorlix {

CddbClientIdentity cddbIdentityFromSettings(const SettingsStore& settings) {
    CddbClientIdentity identity;
    identity.userEmail =
        settings.readText(setting::kSettingsKey, setting::kUserEmail, setting::kAddressLimit);
    return identity;
}

}  // namespace vorlix
