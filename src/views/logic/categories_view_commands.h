#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CQX2Doc;
class UserPrompt;

inline constexpr std::string_view kSelectCategoryMessage = "Please, select a category.";

// The categories panel's ways of showing the catalogue narrowed to chosen categories: the disc
// tree rebuilt with the document's category filter, or a search window that searches by the
// chosen categories at once.
class CategoryViewCommands {
public:
    CategoryViewCommands(CQX2Doc& document, UserPrompt& prompt);

    // Adds the names to the filter and rebuilds the tree with the discs holding one of them.
    void viewOnTree(const std::vector<std::string>& names);
    // Empties the filter and rebuilds the tree with every disc the user may see.
    void showCompleteTree();
    // The filter becomes the names; with discs in the catalogue the commands panel opens a
    // search window for the discs, or for the files, of those categories. Files are searched
    // only when a category is chosen.
    void viewDiscsOnList(const std::vector<std::string>& names);
    void viewFiles(const std::vector<std::string>& names);

private:
    void rebuildTree(bool wholeTree);
    void searchByCategory(std::string_view mode);

    CQX2Doc& m_document;
    UserPrompt& m_prompt;
};

}  // namespace vorlix
