#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/disc.h"

namespace vorlix {

class CQXCatalog;
struct CurrentDisc;
struct Identity;

// What a scan dialog is opened with; built by whoever starts the scan, owned by the dialog.
struct ScanRequest {
    std::string preselectedDrive;  // "D:\" when started from the drive list, else empty
    std::string discNumber;
    std::string ownerName;
    std::string ownerDigest;
    std::vector<std::string> knownSerials;
};

// One more than the last disc's number read as a decimal integer, "%d"; "1" for an empty
// catalogue or a last number that is not a positive number; the next free one when that number
// is taken already.
std::string nextDiscNumber(const CQXCatalog& catalogue);

ScanRequest makeScanRequest(const CQXCatalog& catalogue, const Identity& identity,
                            std::string preselectedDrive);

// The placeholder disc of Add Blank CD, owned like the current disc.
std::unique_ptr<CQXDisc> makeBlankDisc(const CQXCatalog& catalogue, const CurrentDisc& current);

}  // namespace vorlix
