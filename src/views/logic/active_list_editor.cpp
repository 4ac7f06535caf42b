#include "views/logic/active_list_editor.h"

#include <algorithm>
#include <utility>

#include "app/history_lists.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/user_prompt.h"
#include "platform/safe_file_write.h"

namespace vorlix {

ActiveListEditor::ActiveListEditor(CQXCatalog& catalogue, std::string path,
                                   const CodePage& codePage, UserPrompt& prompt)
    : m_catalogue(catalogue),
      m_path(std::move(path)),
      m_codePage(codePage),
      m_prompt(prompt),
      m_search(historyWords(catalogue, kSearchHistory)),
      m_lend(historyWords(catalogue, kLendHistory)) {}

const std::vector<std::string>& ActiveListEditor::words(ActiveList list) const {
    return list == ActiveList::Search ? m_search : m_lend;
}

std::vector<std::string>& ActiveListEditor::copyOf(ActiveList list) {
    return list == ActiveList::Search ? m_search : m_lend;
}

void ActiveListEditor::remove(ActiveList list, const std::vector<std::string>& words) {
    std::vector<std::string>& copy = copyOf(list);
    for (const std::string& word : words) {
        const auto found = std::ranges::find(copy, word);
        if (found == copy.end()) {
            m_prompt.message(kRemoveMissingWordMessage);
        } else {
            copy.erase(found);
        }
    }
}

void ActiveListEditor::removeAll(ActiveList list) {
    copyOf(list).clear();
}

void ActiveListEditor::save() {
    if (m_path.empty()) {
        m_prompt.message(kSaveDocumentFirstMessage, MessageIcon::Information);
        return;
    }
    replaceLists();
    const Result written = safeWriteFile(
        m_path, [this](ByteSink& sink) { writeCatalogue(m_catalogue, m_codePage, sink); });
    if (!written.ok()) {
        m_prompt.message("Could not save the catalogue \"" + m_path + "\": " + written.message() +
                             ". The file on disk was not changed.",
                         MessageIcon::Stop);
    }
}

void ActiveListEditor::accept() {
    replaceLists();
}

void ActiveListEditor::replaceLists() {
    for (const auto& [key, words] :
         {std::pair{kSearchHistory, &m_search}, std::pair{kLendHistory, &m_lend}}) {
        if (!replaceHistory(m_catalogue, key, *words)) {
            m_prompt.message(kActiveListErrorMessage);
        }
    }
}

}  // namespace vorlix
