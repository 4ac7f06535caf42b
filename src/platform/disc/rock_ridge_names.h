#pragma once

#include <string>
#include <string_view>

#include "platform/disc/sector_window.h"

namespace vorlix {

// Reads the name Rock Ridge records for a file (its NM entries) from the system use area of
// the file's directory record, and from the continuation areas (CE) the entries go on in when
// the record has no room left. Only what lies within the entries' recorded lengths is read,
// a chain of continuation areas is followed a bounded number of times, and a name stops
// growing at a bound far beyond any file system's, so a damaged record costs little.
class RockRidgeNames {
public:
    // continuations: where continuation areas are read from.
    explicit RockRidgeNames(SectorWindow& continuations);

    // True when the area holds a name, which is then in name: "." and ".." for the entries
    // that name the directory itself and its parent.
    bool read(std::string_view systemUse, std::string& name);

private:
    struct AreaEnd;

    AreaEnd readArea(std::string_view area, std::string& name, bool& found) const;
    std::string_view continuationArea(std::uint32_t lba, std::uint32_t offset,
                                      std::uint32_t length);

    SectorWindow* m_continuations;
};

}  // namespace vorlix
