#pragma once

#include "app/search_window.h"
#include "tasks/search_window/ui/dialog_search.h"

namespace vorlix {

// Makes the search windows, each shown at once over the services given here.
class SearchWindows final : public SearchWindowFactory {
public:
    explicit SearchWindows(const SearchWindowServices& services) : m_services(services) {}

    std::unique_ptr<SearchWindow> create(SearchWindowSetup setup) override;

private:
    SearchWindowServices m_services;
};

}  // namespace vorlix
