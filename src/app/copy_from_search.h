#pragma once

#include <string>
#include <vector>

namespace vorlix {

class CQXDisc;

// Copy tasks as a search window hands them over: for each selected result, its disc and the
// lower-cased file name to copy from it, in the same order.
class CopyFromSearch {
public:
    virtual ~CopyFromSearch() = default;
    virtual void copyFromSearch(const std::vector<CQXDisc*>& discs,
                                const std::vector<std::string>& names) = 0;
};

}  // namespace vorlix
