#pragma once

#include <string>
#include <string_view>

namespace vorlix {

inline constexpr std::string_view kNoPrice = "N/A";

// What the categories panel shows of a disc's information record.
struct DiscDetails {
    // The notes element's text, or the whole record when it is not an info record.
    std::string notes;
    // The price lookup's prices, "N/A" when empty or missing.
    std::string newPrice;
    std::string usedPrice;
    // DVD and software covers are upright and get a narrower thumbnail.
    bool portraitCover = false;
};

DiscDetails discDetails(std::string_view infoRecord);

// Records keep line ends as CR LF, as catalogues written on Windows do; the notes field works
// with LF alone.
std::string notesForEditing(std::string_view notes);
std::string notesForRecord(std::string_view edited);

}  // namespace vorlix
