#include "views/disc_tasks.h"

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/user_prompt.h"
#include "tasks/disc_gaps.h"
#include "tasks/lending_commands.h"
#include "views/available_discs_dialog.h"
#include "views/find_gaps_dialog.h"
#include "views/non_available_discs_dialog.h"

namespace vorlix {

DiscTasks::DiscTasks(CQX2Doc& document, UserPrompt& prompt, const SettingsStore& settings,
                     QWidget* dialogParent)
    : m_document(document), m_prompt(prompt), m_settings(settings), m_dialogParent(dialogParent) {}

void DiscTasks::runMenuCommand(PaneCommand command) {
    switch (command) {
        case PaneCommand::Lend:
            lendFromMenu();
            break;
        case PaneCommand::GetBack:
            LendingCommands(m_document, m_prompt).getBack();
            break;
        case PaneCommand::ShowAvailable:
            showAvailableList();
            break;
        case PaneCommand::ShowNonAvailable:
            showNonAvailableList(panelLendName());
            break;
        case PaneCommand::FindGaps:
            findGaps();
            break;
        default:
            break;
    }
}

std::string DiscTasks::panelLendName() const {
    // Without a lend combo to type into, the name is empty, which a lend refuses with a word.
    const LendNameField* field = lendNameField(m_document);
    return field != nullptr ? field->lendName() : std::string();
}

void DiscTasks::lendFromMenu() {
    // A lend goes through only with a name, which only the panel's lend combo gives.
    if (LendingCommands(m_document, m_prompt).lend(panelLendName())) {
        lendNameField(m_document)->clearLendName();
    }
}

void DiscTasks::showAvailableList() {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    CDialogAvailableDiscs dialog(m_document.catalogue(), m_dialogParent);
    dialog.exec();
    selectInTree(dialog.chosenNumber());
}

void DiscTasks::showNonAvailableList(const std::string& lendName) {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    CDialogNonAvailableDiscs dialog(m_document, m_settings, m_prompt, lendName, m_dialogParent);
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
