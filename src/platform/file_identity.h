#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>

namespace vorlix {

// What tells one state of a file from another without reading it: the file (device and
// inode, which an atomic replacement changes), its size and its modification time.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static FileIdentity of(const struct stat& info);
    bool operator==(const FileIdentity& other) const;
};

// The identity of the file at path, through links; none when there is nothing to stat.
std::optional<FileIdentity> fileIdentityAt(const std::string& path);

}  // namespace vorlix
