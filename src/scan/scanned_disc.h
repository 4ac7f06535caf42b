#pragma once

#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "core/disc.h"

namespace vorlix {

class ScanJob;
struct ScanRequest;

// Where a folder scanned as a disc is kept; a disc read from a drive is at home.
inline constexpr std::string_view kVirtualLocation = "virtual";
inline constexpr std::string_view kVirtualDiscName = "VirtCD";

// A disc's date: the full English month name, the two-digit day and the year, "March 05 2004",
// whatever the locale.
std::string discDateText(const std::tm& date);
std::string todayDiscDateText();

// The disc record of a completed scan: the job's entries (taken from it), label, serial text,
// disc size and folder outline, with the request's number and owner. An audio disc's
// information record carries its media tag for a later freedb lookup.
std::unique_ptr<CQXDisc> makeScannedDisc(ScanJob& job, const ScanRequest& request,
                                         std::string_view location, bool shared, std::string date);

}  // namespace vorlix
