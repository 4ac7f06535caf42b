#pragma once

#include <cstddef>
#include <string>

#include "search/search_findings.h"

namespace vorlix {

// Writes what a search finds to stdout as it is found: one line per match, fields separated by
// tabs, or one JSON array of objects.
class SearchOutput : public SearchFindings {
public:
    explicit SearchOutput(bool json) : m_json(json) {}

    void discFound(const DiscSnapshot& disc) override;
    void fileFound(const DiscSnapshot& disc, std::size_t file) override;
    void discWalked() override;
    // Ends the output (closes the JSON array) and writes what is left.
    void finish();

private:
    void beginItem();
    void flushIfFull();

    bool m_json;
    bool m_anyItem = false;
    std::string m_out;
};

}  // namespace vorlix
