#include "gui/stand_in_search_windows.h"

#include "core/user_prompt.h"

namespace vorlix {

std::unique_ptr<SearchWindow> StandInSearchWindows::create(SearchWindowSetup) {
    m_prompt.message("Searching is not available in this version of Vorlix yet.",
                     MessageIcon::Information);
    return nullptr;
}

}  // namespace vorlix
