#include "views/logic/categories_editor.h"

#include <optional>

#include "accounts/ownership.h"
#include "app/catalogue_document.h"
#include "core/disc_info.h"
#include "core/user_prompt.h"
#include "views/logic/categories_names.h"

namespace vorlix {

std::string notesRefusedMessage(const std::string& discNumber) {
    return "The notes of CD " + discNumber +
           " were not stored: its information record holds them in a form that cannot be "
           "changed.";
}

CategoryEditor::CategoryEditor(CQX2Doc& document, UserPrompt& prompt)
    : m_document(document), m_prompt(prompt) {}

bool CategoryEditor::create(const std::string& name) {
    if (!m_document.hasDiscs() || name.empty() || !m_document.checkOwner()) {
        return false;
    }
    TextList& categories = m_document.catalogue().categories;
    if (holdsExactly(categories, name)) {
        m_prompt.message(kCategoryExistsMessage);
        return false;
    }
    categories.push_back(name);
    m_document.setModified();
    return true;
}

bool CategoryEditor::addDefaults() {
    TextList& categories = m_document.catalogue().categories;
    if (!categories.empty()) {
        return false;
    }
    for (std::string_view name : kDefaultCategories) {
        categories.push_back(name);
    }
    return true;
}

bool CategoryEditor::attachToCurrentDisc(const std::vector<std::string>& names) {
    if (!m_document.checkOwner()) {
        return false;
    }
    CQXDisc* disc = currentCatalogueDisc();
    if (disc == nullptr) {
        return false;
    }
    appendMissing(disc->editCategories(), names);
    makeCurrentAgain(*disc);
    m_document.setModified();
    return true;
}

bool CategoryEditor::attachToFiles(const std::vector<std::string>& names,
                                   const std::vector<CQXFileData*>& entries) {
    if (!m_document.checkOwner()) {
        return false;
    }
    for (CQXFileData* entry : entries) {
        appendMissing(entry->editCategories(), names);
    }
    if (const CQXDisc* disc = currentCatalogueDisc()) {
        makeCurrentAgain(*disc);
    }
    m_document.setModified();
    return true;
}

bool CategoryEditor::detachFromCurrentDisc(const std::vector<std::string>& names) {
    if (!m_document.checkOwner()) {
        return false;
    }
    CQXDisc* disc = currentCatalogueDisc();
    if (disc == nullptr) {
        return false;
    }
    removeNames(disc->editCategories(), names);
    makeCurrentAgain(*disc);
    m_document.setModified();
    return true;
}

bool CategoryEditor::mayRename() {
    return m_document.checkOwner();
}

bool CategoryEditor::rename(const std::string& oldName, const std::string& newName) {
    if (newName.empty() || holdsIgnoringCase(m_document.catalogue().categories, newName)) {
        return false;
    }
    renameCategoryEverywhere(m_document.catalogue(), oldName, newName);
    m_document.entriesChangedEverywhere();
    if (const CQXDisc* disc = currentCatalogueDisc()) {
        makeCurrentAgain(*disc);
    }
    m_document.setModified();
    return true;
}

bool CategoryEditor::remove(const std::vector<std::string>& names) {
    if (!m_document.checkOwner() || m_prompt.ask(kDeleteCategoryQuestion, Buttons::YesNo,
                                                 MessageIcon::Question) != Answer::Yes) {
        return false;
    }
    removeCategoriesEverywhere(m_document.catalogue(), names);
    m_document.entriesChangedEverywhere();
    if (const CQXDisc* disc = currentCatalogueDisc()) {
        makeCurrentAgain(*disc);
    }
    m_document.setModified();
    return true;
}

bool CategoryEditor::mayEditNotes() const {
    return currentCatalogueDisc() != nullptr &&
           isOwner(m_document.catalogue(), m_document.identity());
}

bool CategoryEditor::notesChanged(const std::string& notes) {
    if (!m_document.hasDiscs() || !m_document.checkOwner() || !storeNotes(notes)) {
        return false;
    }
    m_document.setModified();
    return true;
}

bool CategoryEditor::saveNotes(const std::string& notes) {
    // Save Notes is asked for on purpose, so a refusal is told again.
    m_notesRefusedFor.clear();
    return m_document.hasDiscs() && m_document.checkOwner() && storeNotes(notes);
}

CQXDisc* CategoryEditor::currentCatalogueDisc() const {
    const std::string number(m_document.currentDisc().number());
    return number.empty() ? nullptr : m_document.catalogue().findDisc(number);
}

void CategoryEditor::makeCurrentAgain(const CQXDisc& disc) {
    m_document.setCurrentDisc(disc);
}

// The current-disc copy takes the new record too, so that nothing that writes the copy back
// later brings the old notes back.
bool CategoryEditor::storeNotes(const std::string& notes) {
    CQXDisc* disc = currentCatalogueDisc();
    if (disc == nullptr) {
        return false;
    }
    std::optional<std::string> stored = disc_info::storeNotes(disc->info(), notes);
    if (!stored) {
        // Told once per disc: the panel stores the notes at every key press.
        if (m_notesRefusedFor != disc->number()) {
            m_notesRefusedFor = disc->number();
            m_prompt.message(notesRefusedMessage(std::string(disc->number())),
                             MessageIcon::Warning);
        }
        return false;
    }
    m_notesRefusedFor.clear();
    disc->setInfo(std::move(*stored));
    makeCurrentAgain(*disc);
    return true;
}

}  // namespace vorlix
