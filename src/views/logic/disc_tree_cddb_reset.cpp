#include "views/logic/disc_tree_cddb_reset.h"

#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/user_prompt.h"

namespace vorlix {

bool resetCddbMediaTag(CQXCatalog& catalogue, std::string_view number, bool owner,
                       UserPrompt& prompt) {
    if (!owner) {
        prompt.message(kUnauthorizedMessage);
        return false;
    }
    CQXDisc* disc = catalogue.findDisc(number);
    const auto record =
        disc == nullptr ? std::nullopt : disc_info::setFreedbState(disc->info(), false);
    if (!record) {
        prompt.message(kNoMediaTagToResetMessage);
        return false;
    }
    disc->setInfo(*record);
    return true;
}

}  // namespace vorlix
