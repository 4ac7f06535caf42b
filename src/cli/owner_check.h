#pragma once

namespace vorlix {

class CQXCatalog;
struct Identity;

// The owner test of every catalogue change; a catalogue written before owners existed is
// taken over first, as the desktop program does when it opens one. Throws CommandFailure with
// the refusal.
void checkOwner(CQXCatalog& catalogue, const Identity& identity);

// Whether the user sees every disc of the catalogue rather than only the shared ones: the
// owner does, and so does anybody for a catalogue written before owners existed, which the
// desktop program gives to the user who opens it.
bool maySeeAll(const CQXCatalog& catalogue, const Identity& identity);

}  // namespace vorlix
