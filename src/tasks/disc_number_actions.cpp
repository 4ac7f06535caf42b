#include "tasks/disc_number_actions.h"

#include "accounts/disc_sharing.h"
#include "accounts/ownership.h"
#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/numbers.h"
#include "core/user_prompt.h"

namespace vorlix {

DiscNumberActions::DiscNumberActions(CQX2Doc& document, UserPrompt& prompt)
    : m_document(document), m_prompt(prompt) {}

void DiscNumberActions::changeNumber(const std::string& numberText, const std::string& nameText) {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    if (leadingInt(numberText) < 1) {
        m_prompt.message(kInvalidNumberMessage);
        return;
    }
    if (DiscTreePane* tree = discTree(m_document)) {
        tree->renameDisc(numberText, nameText);
    }
}

void DiscNumberActions::showDisc(std::int32_t findNumber) {
    if (!m_document.hasDiscs()) {
        return;
    }
    const std::string number = decimalText(findNumber);
    const CQXCatalog& catalogue = m_document.catalogue();
    const CQXDisc* disc = catalogue.findDisc(number);
    const bool mayBeSeen = disc != nullptr && (isOwner(catalogue, m_document.identity()) ||
                                               disc->shared() == kSharedYes);
    DiscTreePane* tree = discTree(m_document);
    // A disc the tree does not show at the moment (left out by a category view) cannot be
    // selected either, and gets the same answer.
    if (!mayBeSeen || tree == nullptr || !tree->selectDisc(number)) {
        m_prompt.message(kNoDiscWithNumberMessage);
    }
}

}  // namespace vorlix
