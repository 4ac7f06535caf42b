#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/disc/iso_directory_reader.h"
#include "platform/disc/sector_source.h"
#include "platform/disc_volume.h"

namespace vorlix {

// An ISO 9660 file system read without mounting it, from an image file or straight from the
// disc in a drive. Names come from Joliet records when the volume has them, else from Rock
// Ridge, else from the ISO 9660 records themselves.
class IsoVolume final : public DiscVolume {
public:
    // The volume whose descriptors begin 16 sectors into the session starting at sessionStart
    // (the last session of a multi-session disc, as its table of contents gives it), or into
    // the first session when that one has none. Null when the sectors hold no ISO 9660 file
    // system whose root can be listed. The identity is worked out by the caller from the same
    // descriptors.
    static std::unique_ptr<IsoVolume> open(std::unique_ptr<SectorSource> sectors,
                                           std::uint32_t sessionStart,
                                           std::optional<VolumeIdentity> identity);

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override { return m_identity; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    // The directory's extent.
    std::optional<FolderPlace> place(std::string_view path) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }
    std::unique_ptr<VolumeFile> openFile(std::string_view path) override;

private:
    // A folder on the way from the root to the folder listed last, with the folders in it.
    // Its path is the trail's path up to pathSize.
    struct Level {
        std::size_t pathSize = 0;
        std::vector<IsoSubfolder> subfolders;
        std::size_t next = 0;  // where to look first: a walk enters the folders in turn
    };

    IsoVolume(std::unique_ptr<SectorSource> sectors, IsoExtent root, std::uint32_t end, bool joliet,
              std::optional<VolumeIdentity> identity);

    std::optional<IsoExtent> folderAt(std::string_view path);
    void leaveLevelsOutside(std::string_view path);
    const IsoSubfolder* findIn(Level& level, std::string_view rest);

    std::unique_ptr<SectorSource> m_sectors;
    IsoExtent m_root;
    IsoDirectoryReader m_reader;
    std::optional<VolumeIdentity> m_identity;
    // The folders from the root down to the one listed last: a walk finds the next folder to
    // list in what it has just listed, without reading the folders above it again, and a
    // folder nested thousands deep keeps one name per level rather than its whole path.
    std::string m_trailPath;
    std::vector<Level> m_trail;
    std::optional<FolderPlace> m_listedPlace;
    std::vector<DirectoryEntry> m_scratchEntries;
};

}  // namespace vorlix
