#include "search/catalogue_search.h"

#include "search/search_task.h"
#include "search/search_worker.h"

namespace vorlix {

std::unique_ptr<SearchRun> CatalogueSearch::start(const SearchParameters& parameters,
                                                  SearchReceiver& receiver) {
    return std::make_unique<SearchWorker>(SearchTask(parameters), m_discs(), receiver);
}

}  // namespace vorlix
