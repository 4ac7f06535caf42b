#pragma once

#include <string>

namespace vorlix {

class CQXCatalog;
class UserPrompt;

// What giving a disc a new number did to the catalogue, for the tree to follow.
struct Renumbering {
    enum class Kind {
        Unchanged,  // no new number, the same number, or a number another disc has
        Moved,      // the disc moved in the list, right behind `predecessor`
        Renamed,    // the only disc of the catalogue took the number where it stands
    };
    Kind kind = Kind::Unchanged;
    // For Moved: the number of the disc it now follows, "0" when it went to the head.
    std::string predecessor;
};

// Gives disc `oldNumber` the new number. A number already in use is ignored without a message:
// the caller has already applied the rename that came with it. The cover picture follows the
// disc to its new key and the old key keeps its entry; a disc without a cover clears the new
// key of a stale picture, except that the only disc gets an empty picture there.
Renumbering renumberCatalogueDisc(CQXCatalog& catalogue, const std::string& oldNumber,
                                  const std::string& newNumber, UserPrompt& prompt);

}  // namespace vorlix
