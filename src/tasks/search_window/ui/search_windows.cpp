#include "tasks/search_window/ui/search_windows.h"

#include <utility>

namespace vorlix {

std::unique_ptr<SearchWindow> SearchWindows::create(SearchWindowSetup setup) {
    auto window = std::make_unique<CDialogSearch>(m_services, std::move(setup));
    window->show();
    return window;
}

}  // namespace vorlix
