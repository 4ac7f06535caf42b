#pragma once

#include <string>
#include <vector>

namespace vorlix {

class CQXCatalog;
class DiscTexts;
struct Identity;

// Which discs the tree shows to the logged-in user: the owner of the catalogue sees every disc,
// anybody else only the discs marked shared.
class DiscVisibility {
public:
    DiscVisibility(const CQXCatalog& catalogue, const Identity& identity);

    bool shows(const DiscTexts& disc) const;

private:
    bool m_owner;
};

// True when the filter is empty or the disc carries at least one of its category names.
bool matchesCategoryFilter(const DiscTexts& disc, const std::vector<std::string>& filter);

}  // namespace vorlix
