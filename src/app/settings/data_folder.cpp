#include "app/settings/data_folder.h"

#include <cstdlib>
#include <filesystem>

namespace vorlix {

std::string installationDataFolder() {
    if (const char* chosen = std::getenv("VORLIX_DATA_DIR"); chosen && *chosen) {
        return chosen;
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(VORLIX_INSTALLED_DATA_DIR, ignored)) {
        return VORLIX_INSTALLED_DATA_DIR;
    }
    return VORLIX_SOURCE_DATA_DIR;
}

}  // namespace vorlix
