#include "gui/stand_in_cddb_lookup.h"

#include "core/user_prompt.h"

namespace vorlix {

std::optional<CddbLookupResult> StandInCddbLookup::run(CQXCatalog&, const std::string&,
                                                       const std::string&) {
    m_prompt.message("The CDDB lookup is not available in this version of Vorlix yet.",
                     MessageIcon::Information);
    return std::nullopt;
}

}  // namespace vorlix
