#pragma once

#include <string>
#include <string_view>

#include "accounts/identity.h"

namespace vorlix {

class CQXCatalog;
class UserPrompt;

inline constexpr std::string_view kNoOwnerMessage =
    "No owner found. The currently logged in user will be set as database owner.";

// The owner of a catalogue is the owner recorded in its first disc; a catalogue without discs
// has no owner.
bool isOwner(const CQXCatalog& catalogue, const Identity& identity);

// The text every owner-only operation shows to anybody else.
std::string refusalText(const Identity& identity);

// Gives every disc the identity as owner when some disc has none ("null" name and digest),
// telling the user once. Returns whether anything changed.
bool assignOwnerIfMissing(CQXCatalog& catalogue, const Identity& identity, UserPrompt& prompt);

}  // namespace vorlix
