#pragma once

#include <string_view>

#include "accounts/identity.h"

namespace vorlix {

class CQXCatalog;
class UserPrompt;
class DiscTexts;

inline constexpr std::string_view kSharedYes = "Yes";
inline constexpr std::string_view kSharedNo = "No";

// What a share or unshare did, for the caller to act on.
enum class ShareResult {
    Refused,    // the user does not own the catalogue; the refusal was shown
    Unchanged,  // the disc already was in that state, or the catalogue no longer holds it
    Changed,    // both discs changed: mark the document modified, make the catalogue disc the
                // current disc again, redraw its tree item and refresh the commands panel
};

// Lets other users see the selected disc (the document's copy of a catalogue disc), changing
// that copy and the catalogue's disc of the same number. Owner only.
ShareResult shareDisc(CQXCatalog& catalogue, DiscTexts& selected, const Identity& identity,
                      UserPrompt& prompt);

// Hides the selected disc from other users again; otherwise as shareDisc.
ShareResult unshareDisc(CQXCatalog& catalogue, DiscTexts& selected, const Identity& identity,
                        UserPrompt& prompt);

}  // namespace vorlix
