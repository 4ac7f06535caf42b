#include "scan/scan_drive_reader.h"

namespace vorlix {

ScanDriveReader::ScanDriveReader(DiscDrives& drives) : m_drives(drives) {}

std::vector<ScanDriveItem> ScanDriveReader::driveItems(const std::vector<DiscSource>& added) const {
    std::vector<ScanDriveItem> items;
    for (const DiscSource& source : m_drives.opticalDrives()) {
        items.push_back(itemOf(source));
    }
    for (const DiscSource& source : added) {
        items.push_back(itemOf(source));
    }
    return items;
}

ScanDriveItem ScanDriveReader::addImage(const std::string& path) const {
    return itemOf(m_drives.addImage(path));
}

ScanDriveItem ScanDriveReader::addFolder(const std::string& path) const {
    return itemOf(m_drives.addFolder(path));
}

OpenedDisc ScanDriveReader::open(const std::string& drivePath) const {
    OpenedDisc disc;
    disc.volume = m_drives.open(drivePath);
    disc.ready = disc.volume && disc.volume->ready();
    if (disc.ready) {
        disc.identity = disc.volume->identity();
    } else if (disc.volume) {
        disc.problem = disc.volume->problem();
    }
    return disc;
}

ScanDriveItem ScanDriveReader::itemOf(const DiscSource& source) const {
    const auto volume = m_drives.open(source.root);
    if (!volume || !volume->ready()) {
        return {source, source.root + " not ready"};
    }
    // A folder has no label; its place on the disk tells it apart.
    if (source.kind == DiscSourceKind::Folder) {
        return {source, source.root + " " + source.location};
    }
    const auto identity = volume->identity();
    return {source, source.root + " " + (identity ? identity->label : std::string())};
}

}  // namespace vorlix
