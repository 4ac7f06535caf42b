#include "platform/file_identity.h"

namespace vorlix {

FileIdentity FileIdentity::of(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

std::optional<FileIdentity> fileIdentityAt(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity::of(info);
}

}  // namespace vorlix
