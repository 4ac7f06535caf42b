#include "tasks/disc_lending.h"

#include <algorithm>

#include "accounts/ownership.h"
#include "core/catalog.h"
#include "core/clock.h"
#include "core/disc_date.h"
#include "core/user_prompt.h"

namespace vorlix {

DiscLending::DiscLending(CQXCatalog& catalogue, const Identity& user, const Clock& clock,
                         UserPrompt& prompt)
    : m_catalogue(catalogue), m_user(user), m_clock(clock), m_prompt(prompt) {}

Result DiscLending::lend(const DiscTexts& shown, const std::string& borrower) {
    if (!isOwner(m_catalogue, m_user)) {
        return Result::failure(refusalText(m_user));
    }
    if (shown.location() != kHomeLocation) {
        return Result::failure(std::string(kAlreadyGivenAwayMessage));
    }
    if (borrower.empty()) {
        return Result::failure(std::string(kEnterNameMessage));
    }
    addToHistory(borrower);
    const std::string today = discDateText(m_clock.now());
    if (CQXDisc* disc = m_catalogue.findDisc(shown.number())) {
        disc->setLocation(borrower);
        disc->setLendDate(today);
    }
    m_prompt.message(borrower + " " + today, MessageIcon::Information);
    return Result::success();
}

void DiscLending::addToHistory(const std::string& borrower) {
    NamedObject* history = m_catalogue.named.find(kLendHistoryKey);
    auto* names = history == nullptr ? nullptr : std::get_if<StringList>(history);
    if (names == nullptr) {
        // A catalogue without the list still lends; the borrower is just not remembered.
        m_prompt.message(kLendHistoryMissingMessage);
        return;
    }
    if (std::ranges::find(names->items, borrower) == names->items.end()) {
        names->items.push_back(borrower);
    }
}

Result DiscLending::getBack(const DiscTexts& shown) {
    if (!isOwner(m_catalogue, m_user)) {
        return Result::failure(refusalText(m_user));
    }
    if (shown.location() == kHomeLocation) {
        return Result::failure(std::string(kAlreadyAvailableMessage));
    }
    if (CQXDisc* disc = m_catalogue.findDisc(shown.number())) {
        disc->setLocation(kHomeLocation);
        disc->setLendDate(discDateText(m_clock.now()));
    }
    return Result::success();
}

void returnDiscsHome(CQXCatalog& catalogue, const std::vector<std::string>& numbers) {
    for (const std::string& number : numbers) {
        if (CQXDisc* disc = catalogue.findDisc(number)) {
            disc->setLocation(kHomeLocation);
        }
    }
}

}  // namespace vorlix
