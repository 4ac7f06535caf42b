#include "views/logic/commands_cddb_query.h"

#include <algorithm>

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/user_prompt.h"
#include "online/cddb_lookup.h"

namespace vorlix {

namespace {

bool isAudioDisc(const CurrentDisc& disc) {
    return std::ranges::any_of(disc.files, [](const CQXFileData* entry) {
        return entry->name().find(".cda") != std::string_view::npos;
    });
}

}  // namespace

CddbQuery::CddbQuery(CQX2Doc& document, UserPrompt& prompt, CddbLookup& lookup)
    : m_document(document), m_prompt(prompt), m_lookup(lookup) {}

void CddbQuery::run() {
    if (!m_document.checkOwner()) {
        return;
    }
    const CurrentDisc& current = m_document.currentDisc();
    if (!isAudioDisc(current)) {
        m_prompt.message(kSelectAudioCdMessage);
        return;
    }
    const auto result = m_lookup.run(m_document.catalogue(), std::string(current.number()),
                                     std::string(current.name()));
    if (!result) {
        return;
    }
    if (result->batch) {
        showBatch(*result);
    } else {
        showSingle(*result);
    }
    m_document.setModified();
}

void CddbQuery::showBatch(const CddbLookupResult& result) {
    DiscTreePane* tree = discTree(m_document);
    for (const std::string& number : result.processedNumbers) {
        const CQXDisc* disc = m_document.catalogue().findDisc(number);
        if (disc == nullptr) {
            continue;
        }
        if (result.assignCategory) {
            refillAllCategories();
        }
        if (tree != nullptr) {
            tree->selectDisc(number);
            if (result.replaceName) {
                tree->renameDisc(number, number + " " + std::string(disc->name()));
            }
        }
        m_document.setCurrentDisc(*disc);
        showCurrentDisc(result.assignCategory);
    }
}

void CddbQuery::showSingle(const CddbLookupResult& result) {
    if (result.assignCategory) {
        refillAllCategories();
    }
    const std::string number(m_document.currentDisc().number());
    const CQXDisc* disc = m_document.catalogue().findDisc(number);
    if (disc == nullptr) {
        return;
    }
    DiscTreePane* tree = discTree(m_document);
    if (tree != nullptr && result.replaceName) {
        tree->renameDisc(number, result.resultName);
    }
    m_document.setCurrentDisc(*disc);
    if (tree != nullptr) {
        tree->selectDisc(number);
    }
    showCurrentDisc(result.assignCategory);
}

void CddbQuery::showCurrentDisc(bool categoriesChanged) {
    const DiscTreePane* tree = discTree(m_document);
    FileListPane* files = fileList(m_document);
    if (tree != nullptr && files != nullptr) {
        files->showFolder(tree->selectedItemPath());
    }
    if (categoriesChanged) {
        if (CategoriesPane* categories = categoriesPanel(m_document)) {
            categories->refillAttachedCategories();
        }
    }
}

void CddbQuery::refillAllCategories() {
    if (CategoriesPane* categories = categoriesPanel(m_document)) {
        categories->refillAllCategories();
    }
}

}  // namespace vorlix
