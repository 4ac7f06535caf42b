#pragma once

#include "app/copy_from_search.h"

namespace vorlix {

class CopyTaskStarter;

// Copies asked for from search results become copy tasks over the discs' matching entries,
// which the copy tasks window runs.
class SearchResultsCopies final : public CopyFromSearch {
public:
    explicit SearchResultsCopies(CopyTaskStarter& starter) : m_starter(starter) {}

    void copyFromSearch(const std::vector<CQXDisc*>& discs,
                        const std::vector<std::string>& names) override;

private:
    CopyTaskStarter& m_starter;
};

}  // namespace vorlix
