#pragma once

#include <sys/types.h>

#include <optional>
#include <string_view>

namespace vorlix {

// The file mode creation mask the process started with. Read once, from /proc/self/status,
// since the only call that reports the mask also changes it, and changing it for a moment
// would give files that other threads create meanwhile the wrong permissions. A kernel that
// does not show the mask gives 022, the usual one.
mode_t processUmask();

// The mask of the "Umask:" line of a /proc/<pid>/status text, if there is a readable one.
std::optional<mode_t> umaskFromStatus(std::string_view status);

}  // namespace vorlix
