#include "gui/stand_in_search_service.h"

namespace vorlix {

namespace {

class EndedRun final : public SearchRun {
public:
    void stop() override {}
    bool finished() const override { return true; }
};

}  // namespace

std::unique_ptr<SearchRun> StandInSearchService::start(const SearchParameters&,
                                                       SearchReceiver& receiver) {
    receiver.searchDone();
    return std::make_unique<EndedRun>();
}

}  // namespace vorlix
