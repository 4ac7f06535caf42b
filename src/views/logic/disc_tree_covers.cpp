#include "views/logic/disc_tree_covers.h"

#include "core/catalog.h"

namespace vorlix {

std::string coverKey(std::string_view number) {
    std::string key = "CD";
    key += number;
    return key;
}

bool removeCover(CQXCatalog& catalogue, std::string_view number) {
    return catalogue.named.remove(coverKey(number));
}

}  // namespace vorlix
