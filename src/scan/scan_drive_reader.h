#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/disc_drives.h"
#include "platform/disc_volume.h"

namespace vorlix {

// A row of the scan dialog's drive list: the source it names and the text it shows, "D:\ LABEL",
// "D:\ " (no label), "D:\ not ready", or for a folder its place on the disk.
struct ScanDriveItem {
    DiscSource source;
    std::string text;
};

// What a Scan command reads from its drive before the walk: the volume (null when no source has
// the drive's letter), whether its root can be entered, and its label and serial; when it is
// not ready, what the volume says is wrong (empty for a drive without a disc).
struct OpenedDisc {
    std::unique_ptr<DiscVolume> volume;
    bool ready = false;
    std::optional<VolumeIdentity> identity;
    std::string problem;
};

// The scan's reads of the drives. Each may keep a drive spinning up or retrying a scratched disc
// for seconds, so the scan dialog runs them on its scan thread and hands the answers to its
// session. Holds nothing but the drive map, which is safe to use from several threads.
class ScanDriveReader {
public:
    explicit ScanDriveReader(DiscDrives& drives);

    // The optical drives in drive-letter order, then the images and folders offered before.
    std::vector<ScanDriveItem> driveItems(const std::vector<DiscSource>& added) const;
    // An image or a folder offered as a drive of its own.
    ScanDriveItem addImage(const std::string& path) const;
    ScanDriveItem addFolder(const std::string& path) const;
    OpenedDisc open(const std::string& drivePath) const;

private:
    ScanDriveItem itemOf(const DiscSource& source) const;

    DiscDrives& m_drives;
};

}  // namespace vorlix
