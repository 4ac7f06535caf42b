#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/search_query.h"
#include "app/search_window.h"

namespace vorlix {

class CQXCatalog;

// The search windows the commands panel opened that are still open, newest first. Each comes
// with its query and the category names it was opened for, which live here as long as it does
// so that it can read and edit them in place.
class OpenSearchWindows {
public:
    explicit OpenSearchWindows(SearchWindowFactory& factory);
    ~OpenSearchWindows();

    // A new window for the request over the catalogue, first in the list; false when the factory
    // made none. closed is called when the window has closed (see SearchWindowSetup).
    bool open(const SearchRequest& request, CQXCatalog& catalogue, std::function<void()> closed);
    // The word to every window, in list order.
    void apply(SearchWindowWord word);
    // Ends and forgets every window that has been closed.
    void removeClosed();
    // Closes every window, which stops its search, and forgets it.
    void closeAll();

    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }

private:
    // The window is declared last so that it ends before the texts it refers to.
    struct Entry {
        SearchQuery query;
        std::vector<std::string> categories;
        std::unique_ptr<SearchWindow> window;
    };

    SearchWindowFactory& m_factory;
    std::vector<std::unique_ptr<Entry>> m_entries;
};

}  // namespace vorlix
