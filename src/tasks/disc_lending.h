#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "accounts/identity.h"
#include "core/result.h"

namespace vorlix {

class Clock;
class CQXCatalog;
class UserPrompt;
class DiscTexts;

inline constexpr std::string_view kAlreadyGivenAwayMessage = "This CD is already given away.";
inline constexpr std::string_view kEnterNameMessage = "Please, enter a name.";
inline constexpr std::string_view kAlreadyAvailableMessage = "This CD is already available.";
inline constexpr std::string_view kLendHistoryMissingMessage =
    "CCommandsView::OnButtonLend()  #Map Lookup";
inline constexpr std::string_view kLendHistoryKey = "LendCombo";

// Lending a disc and getting it back, for the desktop and the command-line tool alike: the
// owner test, the checks, the borrower history and the change of the catalogue's disc.
// `shown` is the disc as the user sees it (the desktop's current disc): its location decides
// whether the disc is at home, and the change goes to the catalogue disc of its number. A
// refusal changes nothing and is the result's message, for the caller to show; the messages
// of a lend that goes ahead go through the prompt.
class DiscLending {
public:
    DiscLending(CQXCatalog& catalogue, const Identity& user, const Clock& clock,
                UserPrompt& prompt);

    // Records the borrower as the disc's location with today's date, adds the borrower to the
    // history, and shows the new location and date.
    [[nodiscard]] Result lend(const DiscTexts& shown, const std::string& borrower);
    // Puts the disc back home with today's date.
    [[nodiscard]] Result getBack(const DiscTexts& shown);

private:
    void addToHistory(const std::string& borrower);

    CQXCatalog& m_catalogue;
    Identity m_user;
    const Clock& m_clock;
    UserPrompt& m_prompt;
};

// The non-available list's Get Back: the discs of those numbers are at home again; their lend
// dates keep the day they were lent.
void returnDiscsHome(CQXCatalog& catalogue, const std::vector<std::string>& numbers);

}  // namespace vorlix
