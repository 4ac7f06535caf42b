#include "views/logic/categories_drive_rows.h"

#include <cstdint>

#include "core/catalog.h"
#include "core/numbers.h"
#include "platform/disc_drives.h"

namespace vorlix {

namespace {

const CQXDisc* lastDiscWithSerial(const CQXCatalog& catalogue, const std::string& serial) {
    for (auto it = catalogue.discs.rbegin(); it != catalogue.discs.rend(); ++it) {
        if (!(*it)->serial().empty() && (*it)->serial() == serial) {
            return it->get();
        }
    }
    return nullptr;
}

}  // namespace

std::vector<DriveProbe> probeDrives(DiscDrives& drives) {
    std::vector<DriveProbe> probes;
    for (const DiscSource& source : drives.opticalDrives()) {
        DriveProbe probe;
        probe.root = source.root;
        if (const std::unique_ptr<DiscVolume> volume = drives.open(source.root)) {
            probe.ready = volume->ready();
            if (probe.ready) {
                probe.identity = volume->identity();
            }
        }
        probes.push_back(std::move(probe));
    }
    return probes;
}

std::string driveRowText(const DriveProbe& probe, const CQXCatalog& catalogue) {
    if (!probe.ready) {
        return probe.root + "Not ready!";
    }
    if (!probe.identity) {
        return probe.root + "Untitled";
    }
    if (const CQXDisc* disc = lastDiscWithSerial(catalogue, serialText(probe.identity->serial))) {
        return probe.root + " " + std::string(disc->name()) + " Nr:" + std::string(disc->number());
    }
    return probe.root + " " + probe.identity->label + " Info N/A";
}

std::string scanDriveText(std::string_view rowText) {
    const std::size_t slash = rowText.find('\\');
    return std::string(slash == std::string_view::npos ? rowText : rowText.substr(0, slash + 1));
}

}  // namespace vorlix
