#pragma once

#include "platform/disc_volume.h"

namespace vorlix {

// What stands behind a drive without a readable medium: an empty drive, a disc the system
// cannot read, or an image file that is missing or holds no known file system.
class NoDiscVolume final : public DiscVolume {
public:
    bool ready() override { return false; }
    std::optional<VolumeIdentity> identity() override { return std::nullopt; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }
};

}  // namespace vorlix
