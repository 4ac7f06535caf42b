#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXFileData;
class DiscDrives;
struct DiscSource;

// The optical drives a player file names each file on, from the highest drive letter to the
// lowest, each by the folder its disc is mounted at. A player on this system plays a file by
// its real path, so a drive whose disc is not mounted can name nothing and is kept apart.
class PlaylistDrives {
public:
    // Reads the drive map and the mount table, not the discs.
    explicit PlaylistDrives(DiscDrives& drives);
    // Names the files on the given sources of the drive map only (an optical drive, or a
    // folder that holds a disc's files), in the order given.
    PlaylistDrives(DiscDrives& drives, const std::vector<DiscSource>& sources);

    // Roots ("E:\") of the drives without a mounted disc, in the order the drives are named.
    const std::vector<std::string>& unmounted() const { return m_unmounted; }
    // What the user is told about those drives; empty when every drive has its disc mounted.
    std::string unmountedMessage() const;

    // The player file's text: for each entry in order, one line per mounted drive, the mount
    // point followed by the entry's folder below its drive and its name, each line ended by
    // CR LF. With tracks mapped, an audio track is named by the file its drive shows for it.
    std::string lines(const std::vector<const CQXFileData*>& entries, bool mapTracks);

private:
    struct Mounted {
        std::string root;        // "E:\"
        std::string mountPoint;  // "/media/me/DISC"
    };

    // The real folder on the mounted disc for a catalogued folder below the drive root
    // ("music\rock\"), found without regard to case once and remembered.
    const std::string& folderOn(const Mounted& drive, std::string_view below);
    // The disc's own spelling as far as the disc holds the folder, the catalogued spelling
    // beyond: past a folder it lacks, or past an archive whose members the catalogue lists
    // ("backup\old.zip\docs\" gives ".../Backup/Old.zip/docs/").
    std::string realFolder(const Mounted& drive, std::string_view below);

    DiscDrives& m_drives;
    std::vector<Mounted> m_mounted;
    std::vector<std::string> m_unmounted;
    std::map<std::string, std::string> m_folders;  // root + catalogued folder -> real folder
};

}  // namespace vorlix
