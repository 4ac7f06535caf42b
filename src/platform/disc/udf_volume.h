#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/disc/sector_source.h"
#include "platform/disc/udf_file_system.h"
#include "platform/disc_volume.h"

namespace vorlix {

// A UDF file system read without mounting it (a DVD, or a disc written in packets), from an
// image file, straight from the disc in a drive, or from sectors held in memory.
class UdfVolume final : public DiscVolume {
public:
    // Null when the sectors hold no readable UDF file system. The identity is worked out by the
    // caller from the volume structure.
    static std::unique_ptr<UdfVolume> open(std::unique_ptr<SectorSource> sectors,
                                           std::optional<VolumeIdentity> identity);
    static std::unique_ptr<UdfVolume> open(const std::string& location,
                                           std::optional<VolumeIdentity> identity);

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override { return m_identity; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    // The directory's file entry.
    std::optional<FolderPlace> place(std::string_view path) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }

private:
    UdfVolume(std::unique_ptr<SectorSource> sectors, UdfFileSystem fileSystem,
              std::optional<VolumeIdentity> identity);

    // The file entry of the folder at path, found through the folders listed before it.
    std::optional<UdfAddress> folderAt(std::string_view path);

    std::unique_ptr<SectorSource> m_sectors;
    UdfFileSystem m_fileSystem;
    std::optional<VolumeIdentity> m_identity;
    // Every folder met in a listing, by its path: a walk lists each folder's parent first, so
    // a path is found without reading the folders above it again.
    std::map<std::string, UdfAddress, std::less<>> m_folders;
};

}  // namespace vorlix
