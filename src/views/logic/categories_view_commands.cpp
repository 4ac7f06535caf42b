#include "views/logic/categories_view_commands.h"

#include "app/catalogue_document.h"
#include "app/pane_operations.h"
#include "core/user_prompt.h"
#include "views/logic/categories_names.h"

namespace vorlix {

CategoryViewCommands::CategoryViewCommands(CQX2Doc& document, UserPrompt& prompt)
    : m_document(document), m_prompt(prompt) {}

void CategoryViewCommands::viewOnTree(const std::vector<std::string>& names) {
    appendMissing(m_document.categoryFilter(), names);
    rebuildTree(false);
}

void CategoryViewCommands::showCompleteTree() {
    m_document.categoryFilter().clear();
    rebuildTree(true);
}

void CategoryViewCommands::viewDiscsOnList(const std::vector<std::string>& names) {
    m_document.categoryFilter() = names;
    if (m_document.hasDiscs()) {
        searchByCategory(kSearchDiscs);
    }
}

void CategoryViewCommands::viewFiles(const std::vector<std::string>& names) {
    m_document.categoryFilter() = names;
    if (!m_document.hasDiscs()) {
        return;
    }
    if (names.empty()) {
        m_prompt.message(kSelectCategoryMessage);
        return;
    }
    searchByCategory(kSearchFiles);
}

void CategoryViewCommands::searchByCategory(std::string_view mode) {
    CommandsPane* commands = commandsPanel(m_document);
    if (commands == nullptr) {
        return;
    }
    SearchQuery query;
    query.pattern = "*";
    query.mode = mode;
    query.scope = kScopeByCategory;
    query.combinator = kCategoriesAnd;
    commands->openSearchWindow(query, true);
}

// The flag keeps "View All CD on Tree" and "Show the Complete CD Tree" available exactly while
// the tree shows less than every disc.
void CategoryViewCommands::rebuildTree(bool wholeTree) {
    m_document.setWholeTreeShown(wholeTree);
    if (DiscTreePane* tree = discTree(m_document)) {
        tree->rebuildByCategories();
    }
}

}  // namespace vorlix
