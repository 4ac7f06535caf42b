#pragma once

#include <cstddef>

namespace vorlix {

class DiscSnapshot;

// Where a search task reports its matches, in the order the user sees them: disc by disc in
// catalogue order, the files of a disc from its last entry to its first.
class SearchFindings {
public:
    virtual ~SearchFindings() = default;
    virtual void discFound(const DiscSnapshot& disc) = 0;
    virtual void fileFound(const DiscSnapshot& disc, std::size_t file) = 0;
    // After each disc walked, matching or not: a point to hand on what was found so far.
    virtual void discWalked() {}
};

}  // namespace vorlix
