#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlix {

class CQXCatalog;

inline constexpr std::string_view kNoGapsMessage = "No gaps in the cd index.";

// The numbers from 1 to the number of the last disc of the list that no disc carries, in
// ascending order. A number counts as carried only by a disc whose number text is its "%d"
// form, so a disc numbered 05 leaves 5 a gap. The gaps are kept as runs: a last number in the
// billions costs no more than the discs do.
class DiscGaps {
public:
    explicit DiscGaps(const CQXCatalog& catalogue);

    std::int64_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // The gap at that place in ascending order, from 0 to count() - 1.
    std::int64_t at(std::int64_t index) const;

private:
    struct Run {
        std::int64_t first;   // the run's lowest number
        std::int64_t before;  // how many gaps lie below it
    };

    std::vector<Run> m_runs;
    std::int64_t m_count = 0;
};

}  // namespace vorlix
