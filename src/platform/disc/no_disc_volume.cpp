#include "platform/disc/no_disc_volume.h"

namespace vorlix {

bool NoDiscVolume::list(std::string_view, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    return false;
}

}  // namespace vorlix
