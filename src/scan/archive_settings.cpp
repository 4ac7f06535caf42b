#include "scan/archive_settings.h"

#include "app/setting_names.h"
#include "app/settings_store.h"

namespace vorlix {

std::uint32_t readArchiveLimitMegabytes(const SettingsStore& settings) {
    const std::uint32_t stored = settings.readNumber(setting::kSettingsKey, setting::kArchiveLimit);
    return stored == 0 ? kDefaultArchiveLimitMegabytes : stored;
}

void writeArchiveLimitMegabytes(SettingsStore& settings, std::uint32_t megabytes) {
    settings.writeNumber(setting::kSettingsKey, setting::kArchiveLimit, megabytes);
}

std::uint64_t megabytesToBytes(std::uint32_t megabytes) {
    return static_cast<std::uint64_t>(megabytes) * 1024 * 1024;
}

}  // namespace vorlix
