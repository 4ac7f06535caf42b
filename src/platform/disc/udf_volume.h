#pragma once

#include <memory>
#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

// A UDF file system read without mounting it (a DVD, or a disc written in packets), from an
// image file or straight from the disc in a drive.
class UdfVolume final : public DiscVolume {
public:
    // Null when location holds no readable UDF file system. The identity is worked out by the
    // caller from the volume structure.
    static std::unique_ptr<UdfVolume> open(const std::string& location,
                                           std::optional<VolumeIdentity> identity);
    ~UdfVolume() override;

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override { return m_identity; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }

private:
    struct Reader;

    UdfVolume(std::unique_ptr<Reader> reader, std::optional<VolumeIdentity> identity);

    std::unique_ptr<Reader> m_reader;
    std::optional<VolumeIdentity> m_identity;
};

}  // namespace vorlix
