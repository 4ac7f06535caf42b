#include "accounts/ownership.h"

#include <algorithm>

#include "core/catalog.h"
#include "core/user_prompt.h"

namespace vorlix {

bool isOwner(const CQXCatalog& catalogue, const Identity& identity) {
    if (catalogue.discs.empty()) {
        return false;
    }
    const CQXDisc& first = *catalogue.discs.front();
    return first.ownerName() == identity.logName && first.ownerDigest() == identity.passwordDigest;
}

std::string refusalText(const Identity& identity) {
    return "Operation not allowed! Logged in as : " + identity.logName;
}

bool assignOwnerIfMissing(CQXCatalog& catalogue, const Identity& identity, UserPrompt& prompt) {
    const bool ownerless =
        std::any_of(catalogue.discs.begin(), catalogue.discs.end(), [](const auto& disc) {
            return disc->ownerName() == "null" && disc->ownerDigest() == "null";
        });
    if (!ownerless) {
        return false;
    }
    prompt.message(kNoOwnerMessage);
    for (auto& disc : catalogue.discs) {
        disc->setOwnerName(identity.logName);
        disc->setOwnerDigest(identity.passwordDigest);
    }
    return true;
}

}  // namespace vorlix
