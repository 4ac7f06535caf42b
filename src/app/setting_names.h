#pragma once

#include <string_view>

namespace vorlix::setting {

// Registry keys and value names, spelled as stored so that exported settings stay compatible.
inline constexpr std::string_view kSettingsKey = "SOFTWARE\\Talmir\\Vorlix\\Settings";
inline constexpr std::string_view kRecentFileListKey = "SOFTWARE\\Talmir\\Vorlix\\Recent File List";
inline constexpr std::string_view kLastFilesKey = "SOFTWARE\\Talmir\\Vorlix\\Last Files";

inline constexpr std::string_view kRecentFile1 = "File1";
inline constexpr std::string_view kQvdPathOpen = "qvdpathopen";
inline constexpr std::string_view kLoadDb = "loaddb";

inline constexpr std::size_t kPathLimit = 512;
inline constexpr std::size_t kRecentFileLimit = 1024;

}  // namespace vorlix::setting
