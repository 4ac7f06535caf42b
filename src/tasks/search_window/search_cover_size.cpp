#include "tasks/search_window/search_cover_size.h"

namespace vorlix {

std::optional<CoverSize> searchCoverSize(int coverWidth, bool portrait) {
    if (portrait) {
        return coverWidth > 50 ? std::optional<CoverSize>({75, 87}) : std::nullopt;
    }
    return coverWidth > 110 ? std::optional<CoverSize>(kSearchCoverBox) : std::nullopt;
}

}  // namespace vorlix
