#include "accounts/disc_sharing.h"

#include "accounts/ownership.h"
#include "core/catalog.h"
#include "core/user_prompt.h"

namespace vorlix {

namespace {

ShareResult setShared(CQXCatalog& catalogue, DiscTexts& selected, std::string_view value,
                      const Identity& identity, UserPrompt& prompt) {
    if (!isOwner(catalogue, identity)) {
        prompt.message(refusalText(identity));
        return ShareResult::Refused;
    }
    if (selected.shared() == value) {
        return ShareResult::Unchanged;
    }
    // A selection left over from a disc that is gone has nothing to share.
    CQXDisc* disc = catalogue.findDisc(selected.number());
    if (disc == nullptr) {
        return ShareResult::Unchanged;
    }
    selected.setShared(value);
    disc->setShared(value);
    return ShareResult::Changed;
}

}  // namespace

ShareResult shareDisc(CQXCatalog& catalogue, DiscTexts& selected, const Identity& identity,
                      UserPrompt& prompt) {
    return setShared(catalogue, selected, kSharedYes, identity, prompt);
}

ShareResult unshareDisc(CQXCatalog& catalogue, DiscTexts& selected, const Identity& identity,
                        UserPrompt& prompt) {
    return setShared(catalogue, selected, kSharedNo, identity, prompt);
}

}  // namespace vorlix
