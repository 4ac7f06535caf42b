#include "views/disc_tasks.h"

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/user_prompt.h"
#include "tasks/disc_gaps.h"
#include "tasks/disc_number_actions.h"
#include "tasks/lend_actions.h"
#include "views/available_discs_dialog.h"
#include "views/find_gaps_dialog.h"
#include "views/non_available_discs_dialog.h"

namespace vorlix {

DiscTasks::DiscTasks(CQX2Doc& document, UserPrompt& prompt, const SettingsStore& settings,
                     QWidget* dialogParent)
    : m_document(document), m_prompt(prompt), m_settings(settings), m_dialogParent(dialogParent) {}

bool DiscTasks::lend(const std::string& borrower) {
    return LendActions(m_document, m_prompt).lend(borrower);
}

bool DiscTasks::getBack() {
    return LendActions(m_document, m_prompt).getBack();
}

void DiscTasks::changeNumber(const std::string& number, const std::string& name) {
    DiscNumberActions(m_document, m_prompt).changeNumber(number, name);
}

void DiscTasks::showDisc(int number) {
    DiscNumberActions(m_document, m_prompt).showDisc(number);
}

void DiscTasks::showAvailable() {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    CDialogAvailableDiscs dialog(m_document.catalogue(), m_dialogParent);
    dialog.exec();
    selectInTree(dialog.chosenNumber());
}

void DiscTasks::showNonAvailable(const std::string& borrower) {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    CDialogNonAvailableDiscs dialog(m_document, m_settings, m_prompt, borrower, m_dialogParent);
    dialog.exec();
    selectInTree(dialog.chosenNumber());
}

void DiscTasks::findGaps() {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    DiscGaps gaps(m_document.catalogue());
    if (gaps.empty()) {
        m_prompt.message(kNoGapsMessage);
        return;
    }
    CDialogFindGaps dialog(std::move(gaps), m_dialogParent);
    dialog.exec();
}

void DiscTasks::selectInTree(const std::string& number) {
    DiscTreePane* tree = discTree(m_document);
    if (!number.empty() && tree != nullptr) {
        tree->selectDisc(number);
    }
}

}  // namespace vorlix
