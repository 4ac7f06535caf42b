#pragma once

#include <memory>
#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

// An ISO 9660 file system read without mounting it, from an image file or straight from the
// disc in a drive. Names come from Joliet records when the volume has them, else from Rock
// Ridge, else from the ISO 9660 records themselves.
class IsoVolume final : public DiscVolume {
public:
    // Null when location holds no readable ISO 9660 file system. The identity is worked out
    // by the caller from the volume descriptors.
    static std::unique_ptr<IsoVolume> open(const std::string& location,
                                           std::optional<VolumeIdentity> identity);
    ~IsoVolume() override;

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override { return m_identity; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    // The directory's extent.
    std::optional<FolderPlace> place(std::string_view path) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }

private:
    struct Image;

    IsoVolume(std::unique_ptr<Image> image, std::optional<VolumeIdentity> identity);

    std::unique_ptr<Image> m_image;
    std::optional<VolumeIdentity> m_identity;
    // The extent of the directory listed last, read from its own "." record.
    std::string m_listedPath;
    std::optional<FolderPlace> m_listedPlace;
};

}  // namespace vorlix
