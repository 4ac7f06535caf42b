#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

enum class DiscSourceKind { OpticalDrive, Image, Folder };

// Something that can be scanned as a disc, known by a drive root in the Windows form that the
// catalogue keeps ("D:\"): an optical drive, an image file or a folder.
struct DiscSource {
    DiscSourceKind kind = DiscSourceKind::OpticalDrive;
    std::string root;      // "D:\"
    std::string location;  // "/dev/sr0", "/home/me/disc.iso", "/home/me/photos"
};

// The drive map: gives drive letters to the optical drives (D:, E:, ... in device order unless
// the settings map them otherwise) and to images and folders added as drives of their own, and
// opens what stands behind a letter.
class DiscDrives {
public:
    virtual ~DiscDrives() = default;

    // The optical drives in drive-letter order.
    virtual std::vector<DiscSource> opticalDrives() = 0;
    // Offers an image or a folder as a drive of its own under the next free letter (or the same
    // letter again for a location already added).
    virtual DiscSource addImage(const std::string& path) = 0;
    virtual DiscSource addFolder(const std::string& path) = 0;
    // Opens whatever stands behind the root ("D:\", "d:" or "D:" alike); null when no source
    // has that letter.
    virtual std::unique_ptr<DiscVolume> open(const std::string& root) = 0;
    // The real file or folder a catalogued path names ("d:\music\rock\song.mp3"), resolved
    // component by component without regard to case on a folder source or a mounted disc;
    // nullopt when it is not reachable as a file.
    virtual std::optional<std::string> resolve(const std::string& cataloguedPath) = 0;
};

}  // namespace vorlix
