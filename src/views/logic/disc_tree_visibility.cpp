#include "views/logic/disc_tree_visibility.h"

#include <algorithm>

#include "accounts/disc_sharing.h"
#include "accounts/ownership.h"
#include "core/disc.h"

namespace vorlix {

DiscVisibility::DiscVisibility(const CQXCatalog& catalogue, const Identity& identity)
    : m_owner(isOwner(catalogue, identity)) {}

bool DiscVisibility::shows(const DiscTexts& disc) const {
    return m_owner || disc.shared() == kSharedYes;
}

bool matchesCategoryFilter(const DiscTexts& disc, const std::vector<std::string>& filter) {
    if (filter.empty()) {
        return true;
    }
    return std::any_of(disc.categories().begin(), disc.categories().end(),
                       [&filter](std::string_view category) {
                           return std::find(filter.begin(), filter.end(), category) != filter.end();
                       });
}

}  // namespace vorlix
