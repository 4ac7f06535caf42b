#pragma once

namespace vorlix {

class CQXCatalog;
struct Identity;

// The owner test of every catalogue change; a catalogue written before owners existed is
// taken over first, as the desktop program does when it opens one. Throws CommandFailure with
// the refusal.
void checkOwner(CQXCatalog& catalogue, const Identity& identity);

}  // namespace vorlix
