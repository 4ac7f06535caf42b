#include "net/shared_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/safe_file_write.h"

namespace vorlix {

std::string sharedFolderOf(const std::string& programFolder) {
    return programFolder + std::string(kSharedFolderName);
}

Result prepareSharedFolder(const std::string& sharedFolder) {
    std::error_code error;
    std::filesystem::create_directories(sharedFolder, error);
    if (error) {
        return Result::failure("cannot create the shared folder " + sharedFolder + ": " +
                               error.message());
    }
    const std::string readme = sharedFolder + "/" + std::string(kSharedReadmeName);
    if (Result written = safeWriteFile(readme, kSharedReadmeText); !written.ok()) {
        return Result::failure("cannot write " + readme + ": " + written.message());
    }
    return Result::success();
}

}  // namespace vorlix
