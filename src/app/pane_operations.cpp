#include "app/pane_operations.h"

#include "app/catalogue_document.h"

namespace vorlix {

namespace {

template <typename Role>
Role* paneAs(const CQX2Doc& document, std::string_view className) {
    return dynamic_cast<Role*>(document.pane(className));
}

}  // namespace

DiscTreePane* discTree(const CQX2Doc& document) {
    return paneAs<DiscTreePane>(document, kLeftViewClass);
}

FileListPane* fileList(const CQX2Doc& document) {
    return paneAs<FileListPane>(document, kQX2ViewClass);
}

CategoriesPane* categoriesPanel(const CQX2Doc& document) {
    return paneAs<CategoriesPane>(document, kCategoriesViewClass);
}

CommandsPane* commandsPanel(const CQX2Doc& document) {
    return paneAs<CommandsPane>(document, kCommandsViewClass);
}

LendNameField* lendNameField(const CQX2Doc& document) {
    return paneAs<LendNameField>(document, kCommandsViewClass);
}

}  // namespace vorlix
