#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Puts bytes on disk as the file at path without ever leaving a half-written file there: the
// bytes go to a temporary file in the same folder, which is flushed and renamed over the old
// one. Returns an empty text on success, else the system's reason; the old file is then intact.
std::string safeWriteFile(const std::string& path, std::string_view bytes);

}  // namespace vorlix
