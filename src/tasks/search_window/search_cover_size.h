#pragma once

#include <optional>

namespace vorlix {

struct CoverSize {
    int width = 0;
    int height = 0;

    bool operator==(const CoverSize&) const = default;
};

// The search window's picture box, which the "no image" picture is resampled to.
inline constexpr CoverSize kSearchCoverBox{100, 87};

// The size a cover of this width is resampled to in the search window, or nullopt when it is
// shown as it is: upright covers (software, DVDs) wider than 50 become 75 by 87, the others
// wider than 110 become 100 by 87.
std::optional<CoverSize> searchCoverSize(int coverWidth, bool portrait);

}  // namespace vorlix
