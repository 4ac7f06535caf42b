#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CodePage;
class CQXCatalog;
class UserPrompt;

inline constexpr std::string_view kRemoveMissingWordMessage =
    "CDialogSheetActiveList::OnButtonRemove() #Something really weird.";
inline constexpr std::string_view kSaveDocumentFirstMessage = "Please, save your document first.";
inline constexpr std::string_view kActiveListErrorMessage =
    "Severe Error with the Active List settings";

// The two history lists the "Wordlist Options" page edits.
enum class ActiveList { Search, Lend };

// The "Wordlist Options" page's work: it edits copies of the catalogue's search and borrower
// histories, taken when the options dialog opens, and puts them back into the catalogue when
// the user saves the page (which also writes the catalogue file at once) or accepts the dialog.
class ActiveListEditor {
public:
    // path: the catalogue's file; empty while it has never been saved.
    ActiveListEditor(CQXCatalog& catalogue, std::string path, const CodePage& codePage,
                     UserPrompt& prompt);

    const std::vector<std::string>& words(ActiveList list) const;
    // Removes each word from the copy, the first entry of that text for each; a word the copy
    // does not hold is told.
    void remove(ActiveList list, const std::vector<std::string>& words);
    void removeAll(ActiveList list);

    // "Save": the copies replace the catalogue's lists and the catalogue is written to its file.
    void save();
    // The options dialog's OK: the copies replace the catalogue's lists; no file is written.
    void accept();

private:
    std::vector<std::string>& copyOf(ActiveList list);
    void replaceLists();

    CQXCatalog& m_catalogue;
    std::string m_path;
    const CodePage& m_codePage;
    UserPrompt& m_prompt;
    std::vector<std::string> m_search;
    std::vector<std::string> m_lend;
};

}  // namespace vorlix
