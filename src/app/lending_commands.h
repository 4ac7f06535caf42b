#pragma once

#include <string>

namespace vorlix {

// Lending and availability as the commands panel starts them, from its buttons, the Lend menu
// and Enter after typing a borrower. Each does nothing while the catalogue has no disc, and
// shows its own refusals and messages; the panel only hands over what its fields hold and shows
// the current disc again after a change.
class LendingCommands {
public:
    virtual ~LendingCommands() = default;
    // Lends the current disc to the borrower; true when the disc was lent.
    [[nodiscard]] virtual bool lend(const std::string& borrower) = 0;
    // Takes the current disc back home; true when it came back.
    [[nodiscard]] virtual bool getBack() = 0;
    virtual void showAvailable() = 0;
    // The lent discs, only those lent to the borrower when one is given.
    virtual void showNonAvailable(const std::string& borrower) = 0;
};

}  // namespace vorlix
