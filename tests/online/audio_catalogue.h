#pragma once

#include <string>
#include <vector>

#include "core/catalog.h"

namespace vorlix::test {

// Tracks of 180, 220 and 200 seconds, the disc the scripted freedb entry describes.
inline constexpr const char* kThreeTrackTag = "13025803 3 150 13650 30150 602";

// An audio disc as the scan leaves it: "TrackNN.cda" entries and the freedb state "no".
std::unique_ptr<CQXDisc> scannedAudioDisc(const std::string& number, const std::string& tag,
                                          std::size_t tracks);

// A data disc with one file.
std::unique_ptr<CQXDisc> scannedDataDisc(const std::string& number);

std::vector<std::string> entryNames(const CQXDisc& disc);

}  // namespace vorlix::test
