#include "views/logic/categories_cover_thumbnail.h"

#include "core/catalog.h"
#include "views/logic/disc_tree_covers.h"

namespace vorlix {

const std::vector<std::uint8_t>* coverBytes(const CQXCatalog& catalogue,
                                            std::string_view discNumber) {
    const NamedObject* object = catalogue.named.find(coverKey(discNumber));
    const auto* picture = object == nullptr ? nullptr : std::get_if<ByteArray>(object);
    return picture == nullptr ? nullptr : &picture->bytes;
}

std::optional<ThumbnailSize> coverThumbnailSize(int coverWidth, bool portrait) {
    if (portrait) {
        return coverWidth > 50 ? std::optional<ThumbnailSize>({80, 87}) : std::nullopt;
    }
    return coverWidth > kThumbnailBox.width ? std::optional<ThumbnailSize>(kThumbnailBox)
                                            : std::nullopt;
}

}  // namespace vorlix
