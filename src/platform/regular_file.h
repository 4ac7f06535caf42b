#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "core/result.h"

namespace vorlix {

// Why a read or a save refuses a path that holds something other than a file: a FIFO, a
// socket or a device would block a reader or be replaced by a save.
inline constexpr std::string_view kNotARegularFile = "it is not a regular file";
inline constexpr std::string_view kAFolder = "it is a folder";

// A file opened for reading, or why it could not be.
struct OpenedFile {
    int fd = -1;           // open on a regular file, to be closed by the caller; else -1
    struct stat info {};   // the file's status when fd is open
    bool missing = false;  // nothing is at the path (or a folder on the way to it is missing)
    std::string failure;   // why fd is -1: the system's reason, kAFolder or kNotARegularFile
};

// Opens path for reading only when it is a regular file. The open itself does not wait, so a
// FIFO without a writer or a device that is slow to answer is refused at once instead of
// hanging the reader; reads from the file then block as usual.
OpenedFile openRegularFile(const std::string& path);

// Success when a save may put a file at target (a path already followed through its links):
// nothing is there yet, or a regular file is. A folder fails with the system's reason, any
// other kind of file with kNotARegularFile, and is left alone.
Result checkReplaceable(const std::string& target);

}  // namespace vorlix
