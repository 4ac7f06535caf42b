#pragma once

#include <functional>

#include "app/search_service.h"
#include "search/disc_snapshot.h"

namespace vorlix {

// The search engine: each search runs on a worker of its own over a snapshot of the discs,
// taken when it starts (see DiscSnapshot for why a snapshot). `discs` gives that snapshot and
// is called on the thread that starts searches, which owns the catalogue.
class CatalogueSearch : public SearchService {
public:
    explicit CatalogueSearch(std::function<CatalogueSnapshot()> discs)
        : m_discs(std::move(discs)) {}

    std::unique_ptr<SearchRun> start(const SearchParameters& parameters,
                                     SearchReceiver& receiver) override;

private:
    std::function<CatalogueSnapshot()> m_discs;
};

}  // namespace vorlix
