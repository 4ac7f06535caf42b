#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace vorlix {

class ByteSink;

// Puts a file on disk at path without ever leaving a half-written file there: the bytes go to
// a temporary file in the same folder, which is flushed and renamed over the old one. A failure
// carries the reason; the old file is then intact. The file keeps the permissions of the one it
// replaces; a new file gets those the process's umask allows.
Result safeWriteFile(const std::string& path, std::string_view bytes);

// The same, with the bytes produced into a sink as they are made; an exception thrown by
// produce fails the write with its text.
Result safeWriteFile(const std::string& path, const std::function<void(ByteSink&)>& produce);

}  // namespace vorlix
