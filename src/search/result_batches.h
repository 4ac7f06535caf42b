#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

#include "app/search_service.h"
#include "search/search_findings.h"

namespace vorlix {

// Turns matches into the copied result records and hands them on in batches: the first as
// soon as it is there, so the user sees something at once, then whenever a batch is full or
// has waited long enough, so a search with many results costs the window one call per batch
// instead of one per result.
class ResultBatches : public SearchFindings {
public:
    using Clock = std::chrono::steady_clock;
    // Hands a batch on; false once the search has been stopped, after which nothing more goes.
    using Hand = std::function<bool(std::vector<DiscResult>&, std::vector<FileResult>&)>;

    explicit ResultBatches(Hand hand) : m_hand(std::move(hand)) {}

    void discFound(const DiscSnapshot& disc) override;
    void fileFound(const DiscSnapshot& disc, std::size_t file) override;
    void discWalked() override;
    // Hands on what is left; false when the search was stopped.
    bool finish();

private:
    static constexpr std::size_t kFullBatch = 2048;
    static constexpr Clock::duration kLongestWait = std::chrono::milliseconds(40);

    std::size_t pending() const { return m_discs.size() + m_files.size(); }
    void handOn();

    Hand m_hand;
    std::vector<DiscResult> m_discs;
    std::vector<FileResult> m_files;
    bool m_handedAny = false;
    bool m_stopped = false;
    Clock::time_point m_lastHanded = Clock::now();
};

}  // namespace vorlix
