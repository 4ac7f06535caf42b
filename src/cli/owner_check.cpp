#include "cli/owner_check.h"

#include <algorithm>

#include "accounts/ownership.h"
#include "cli/cli_command.h"
#include "cli/stderr_prompt.h"
#include "core/catalog.h"

namespace vorlix {

void checkOwner(CQXCatalog& catalogue, const Identity& identity) {
    StderrPrompt prompt;
    assignOwnerIfMissing(catalogue, identity, prompt);
    if (!catalogue.discs.empty() && !isOwner(catalogue, identity)) {
        throw CommandFailure{refusalText(identity)};
    }
}

bool maySeeAll(const CQXCatalog& catalogue, const Identity& identity) {
    const bool ownerMissing = std::ranges::any_of(catalogue.discs, [](const auto& disc) {
        return disc->ownerName() == "null" && disc->ownerDigest() == "null";
    });
    return ownerMissing || isOwner(catalogue, identity);
}

}  // namespace vorlix
