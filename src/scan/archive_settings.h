#pragma once

#include <cstdint>

namespace vorlix {

class SettingsStore;

// The largest archive whose members a scan lists when the setting names no limit.
inline constexpr std::uint32_t kDefaultArchiveLimitMegabytes = 4096;

// The `archivelimit` setting in megabytes; an absent or zero value gives the default.
std::uint32_t readArchiveLimitMegabytes(const SettingsStore& settings);
void writeArchiveLimitMegabytes(SettingsStore& settings, std::uint32_t megabytes);
std::uint64_t megabytesToBytes(std::uint32_t megabytes);

}  // namespace vorlix
