#include "cli/owner_check.h"

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

}  // namespace vorlix
