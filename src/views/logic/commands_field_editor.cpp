#include "views/logic/commands_field_editor.h"

#include <algorithm>

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/user_prompt.h"

namespace vorlix {

bool isDecimalNumber(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

CommandsFieldEditor::CommandsFieldEditor(CQX2Doc& document, UserPrompt& prompt)
    : m_document(document), m_prompt(prompt) {}

std::optional<std::string> CommandsFieldEditor::numberEdited(const std::string& text) {
    if (!m_document.hasDiscs()) {
        m_prompt.message(kLoadCatalogueFirstMessage);
        return std::string();
    }
    m_document.setEnterTarget(EnterTarget::ChangeNumber);
    if (isDecimalNumber(text)) {
        return std::nullopt;
    }
    m_prompt.message(kProvideNumberMessage);
    return std::string(m_document.currentDisc().number());
}

void CommandsFieldEditor::nameEdited(const std::string& number, const std::string& name) {
    if (!m_document.hasDiscs() || !m_document.checkOwner()) {
        return;
    }
    m_document.setEnterTarget(EnterTarget::ChangeNumber);
    if (DiscTreePane* tree = discTree(m_document)) {
        tree->renameDisc(number, name);
    }
}

void CommandsFieldEditor::findNumberEdited() {
    if (m_document.hasDiscs()) {
        m_document.setEnterTarget(EnterTarget::ShowDisc);
    }
}

void CommandsFieldEditor::detailsEdited(const std::string& artist, const std::string& quality,
                                        bool storeAtOnce) {
    if (!m_document.hasDiscs()) {
        return;
    }
    m_document.setEnterTarget(EnterTarget::StoreDetails);
    if (storeAtOnce) {
        storeDetails(artist, quality);
    }
}

bool CommandsFieldEditor::storeDetails(const std::string& artist, const std::string& quality) {
    CQXCatalog& catalogue = m_document.catalogue();
    const CQXDisc* disc = catalogue.findDisc(m_document.currentDisc().number());
    if (disc == nullptr) {
        return false;
    }
    catalogue.setDiscDetails(disc->number(), artist, quality,
                             std::string(m_document.currentDisc().info()));
    m_document.setCurrentDisc(*disc);
    m_document.setModified();
    return true;
}

}  // namespace vorlix
