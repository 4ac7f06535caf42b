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
//
// A symbolic link at path is followed, and the file it points to is replaced, so the link
// stays. What is at the end is replaced only when it is a regular file: a folder, a FIFO, a
// socket or a device is refused and left as it is. The temporary file is named after the file
// and the saving process (see save_temporary.h), and each save first removes the temporary
// files that killed processes left in the folder.
Result safeWriteFile(const std::string& path, std::string_view bytes);

// The same, with the bytes produced into a sink as they are made; an exception thrown by
// produce fails the write with its text.
Result safeWriteFile(const std::string& path, const std::function<void(ByteSink&)>& produce);

}  // namespace vorlix
