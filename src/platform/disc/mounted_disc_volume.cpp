#include "platform/disc/mounted_disc_volume.h"

#include <utility>

namespace vorlix {

MountedDiscVolume::MountedDiscVolume(std::string mountPoint, std::optional<VolumeIdentity> identity)
    : m_folder(std::move(mountPoint)), m_identity(std::move(identity)) {}

}  // namespace vorlix
