#include "tasks/lend_actions.h"

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/user_prompt.h"
#include "tasks/disc_lending.h"

namespace vorlix {

LendActions::LendActions(CQX2Doc& document, UserPrompt& prompt)
    : m_document(document), m_prompt(prompt) {}

bool LendActions::lend(const std::string& lendName) {
    if (!m_document.hasDiscs()) {
        return false;
    }
    DiscLending lending(m_document.catalogue(), m_document.identity(), m_document.clock(),
                        m_prompt);
    if (const Result lent = lending.lend(m_document.currentDisc(), lendName); !lent.ok()) {
        m_prompt.message(lent.message());
        return false;
    }
    showChangedDisc();
    return true;
}

bool LendActions::getBack() {
    if (!m_document.hasDiscs() || m_document.currentDisc().number().empty()) {
        return false;
    }
    DiscLending lending(m_document.catalogue(), m_document.identity(), m_document.clock(),
                        m_prompt);
    if (const Result back = lending.getBack(m_document.currentDisc()); !back.ok()) {
        m_prompt.message(back.message());
        return false;
    }
    showChangedDisc();
    return true;
}

void LendActions::showChangedDisc() {
    if (const CQXDisc* disc = m_document.catalogue().findDisc(m_document.currentDisc().number())) {
        m_document.setCurrentDisc(*disc);
    }
    m_document.setModified();
    if (CommandsPane* commands = commandsPanel(m_document)) {
        commands->refreshDiscFields();
    }
}

}  // namespace vorlix
