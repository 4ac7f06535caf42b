#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/search_query.h"

namespace vorlix {

class CQXCatalog;

// What the tray menu and the search results ask of every open search window: the words SHOW,
// HIDE, MINIMIZE and CLOSE.
enum class SearchWindowWord { Show, Hide, Minimize, Close };

// A modeless search window. Destroying it ends the window.
class SearchWindow {
public:
    virtual ~SearchWindow() = default;
    // Show shows it normally, Hide hides it, Minimize minimizes it and Close stops its search
    // and closes it.
    virtual void apply(SearchWindowWord word) = 0;
    // True once the window has been closed, by the user or by Close.
    virtual bool isClosed() const = 0;
};

// What a new search window starts from. The query and the category names belong to whoever
// opened the window and outlive it; the window reads and edits them in place.
struct SearchWindowSetup {
    SearchQuery& query;
    std::vector<std::string>& categories;
    CQXCatalog& catalogue;
    // Whether the user passed the owner test when the window opened: the owner sees every disc.
    bool maySeeAll = false;
    bool startAtOnce = false;
    // Called once the window has closed and may be ended. It may come while the window is still
    // in one of its own handlers, so the opener ends it only after that handler has returned.
    std::function<void()> closed;
};

// Makes the search windows of the commands panel.
class SearchWindowFactory {
public:
    virtual ~SearchWindowFactory() = default;
    // A new window, shown; null while this installation has no search window.
    virtual std::unique_ptr<SearchWindow> create(SearchWindowSetup setup) = 0;
};

}  // namespace vorlix
