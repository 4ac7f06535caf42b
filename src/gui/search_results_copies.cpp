#include "gui/search_results_copies.h"

#include "net/copy_task.h"

namespace vorlix {

void SearchResultsCopies::copyFromSearch(const std::vector<CQXDisc*>& discs,
                                         const std::vector<std::string>& names) {
    const std::vector<const CQXDisc*> fromDiscs(discs.begin(), discs.end());
    m_starter.start(searchResultsCopyTask(fromDiscs, names));
}

}  // namespace vorlix
