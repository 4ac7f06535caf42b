#include "views/logic/open_search_windows.h"

#include <utility>

namespace vorlix {

OpenSearchWindows::OpenSearchWindows(SearchWindowFactory& factory) : m_factory(factory) {}

OpenSearchWindows::~OpenSearchWindows() = default;

bool OpenSearchWindows::open(const SearchRequest& request, CQXCatalog& catalogue,
                             std::function<void()> closed) {
    auto entry = std::make_unique<Entry>(Entry{request.query, request.categories, nullptr});
    entry->window = m_factory.create({entry->query, entry->categories, catalogue, request.maySeeAll,
                                      request.startAtOnce, std::move(closed)});
    if (entry->window == nullptr) {
        return false;
    }
    m_entries.insert(m_entries.begin(), std::move(entry));
    return true;
}

void OpenSearchWindows::apply(SearchWindowWord word) {
    for (const auto& entry : m_entries) {
        entry->window->apply(word);
    }
}

void OpenSearchWindows::removeClosed() {
    std::erase_if(m_entries, [](const auto& entry) { return entry->window->isClosed(); });
}

void OpenSearchWindows::closeAll() {
    const auto closing = std::exchange(m_entries, {});
    for (const auto& entry : closing) {
        entry->window->apply(SearchWindowWord::Close);
    }
}

}  // namespace vorlix
