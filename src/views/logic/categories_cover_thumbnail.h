#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXCatalog;

struct ThumbnailSize {
    int width = 0;
    int height = 0;
};

// The size of the panel's picture box, which the default picture is resampled to.
inline constexpr ThumbnailSize kThumbnailBox{110, 87};

// The disc's cover picture bytes, or null when it has none.
const std::vector<std::uint8_t>* coverBytes(const CQXCatalog& catalogue,
                                            std::string_view discNumber);

// The size a cover of this width is resampled to for the thumbnail, or nullopt when it is
// shown as it is: upright covers wider than 50 become 80 by 87, the others wider than 110
// become 110 by 87.
std::optional<ThumbnailSize> coverThumbnailSize(int coverWidth, bool portrait);

}  // namespace vorlix
