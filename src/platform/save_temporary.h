#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace vorlix {

// The temporary file of a save beside the file it is to replace, named so that anybody can tell
// what it is and whose it is: ".NAME.vorlix-tmp-PID-THREAD", with the process id and the id of
// the saving thread, which no other living thread shares.
std::string temporaryFileName(std::string_view name, pid_t process, pid_t thread);

// The process id in the name of a temporary file of a save; none for any other name.
std::optional<pid_t> temporaryFileOwner(std::string_view fileName);

// Removes the temporary files that saves of processes that no longer exist left in folder
// when they were killed; those of living processes, whoever they belong to, are left alone.
void removeStaleTemporaries(const std::string& folder);

}  // namespace vorlix
