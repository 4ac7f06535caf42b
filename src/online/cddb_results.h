#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlix {

class C_uFREEDB;

// One row of the track list: "03 Title" and the track's length as display text.
struct CddbTrackRow {
    std::string text;
    std::string time;

    bool operator==(const CddbTrackRow&) const = default;
};

// What a lookup found for one disc, as the lookup dialog shows and applies it.
struct CddbResults {
    std::string artist;
    std::string album;
    std::string year;
    std::string category;
    std::vector<CddbTrackRow> rows;
};

// "03 Title": the track number with at least two digits, a blank and the title.
std::string trackRowText(std::int32_t track, const std::string& title);

// The control's last result, one row per track in ascending order.
CddbResults readCddbResults(const C_uFREEDB& control);

}  // namespace vorlix
