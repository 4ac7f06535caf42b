#pragma once

#include <map>
#include <string>

#include "platform/disc/case_insensitive_path.h"
#include "platform/disc/catalogued_path.h"
#include "platform/disc_drives.h"

namespace vorlix::test {

// Optical drives whose discs are mounted at folders of the test, or not mounted at all; a
// catalogued path resolves, as on the real map, to what exists below the mount point.
class MountedDrives final : public DiscDrives {
public:
    std::map<char, std::string> mountPoints;  // letter -> folder; "" for a drive without a disc

    std::vector<DiscSource> opticalDrives() override {
        std::vector<DiscSource> drives;
        for (const auto& [letter, mountPoint] : mountPoints) {
            drives.push_back({DiscSourceKind::OpticalDrive, driveRoot(letter), "/dev/sr"});
        }
        return drives;
    }
    DiscSource addImage(const std::string&) override { return {}; }
    DiscSource addFolder(const std::string&) override { return {}; }
    std::unique_ptr<DiscVolume> open(const std::string&) override { return nullptr; }
    std::optional<std::string> resolve(const std::string& cataloguedPath) override {
        const auto parsed = parseCataloguedPath(cataloguedPath);
        const auto found = parsed ? mountPoints.find(parsed->letter) : mountPoints.end();
        if (found == mountPoints.end() || found->second.empty()) {
            return std::nullopt;
        }
        return findPathIgnoringCase(found->second, parsed->components);
    }
};

}  // namespace vorlix::test
