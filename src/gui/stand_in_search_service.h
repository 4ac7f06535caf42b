#pragma once

#include "app/search_service.h"

namespace vorlix {

// Takes the place of the search engine until it arrives: every search ends at once with no
// result.
class StandInSearchService final : public SearchService {
public:
    std::unique_ptr<SearchRun> start(const SearchParameters& parameters,
                                     SearchReceiver& receiver) override;
};

}  // namespace vorlix
