#include "online/cover_store.h"

#include "core/catalog.h"

namespace vorlix {

bool storeCover(CQXCatalog& catalogue, std::string_view number,
                const std::vector<std::uint8_t>& picture, const PriceBlock& price) {
    CQXDisc* disc = catalogue.findDisc(number);
    if (disc == nullptr) {
        return false;
    }
    catalogue.named.set("CD" + std::string(number), ByteArray{picture});
    if (const auto record = storePriceBlock(disc->info(), price)) {
        disc->setInfo(*record);
    }
    return true;
}

}  // namespace vorlix
