#include "gui/stand_in_copy_tasks.h"

#include "core/user_prompt.h"

namespace vorlix {

void StandInCopyTasks::copyFromSearch(const std::vector<CQXDisc*>&,
                                      const std::vector<std::string>&) {
    m_prompt.message("Copying files is not available in this version of Vorlix yet.",
                     MessageIcon::Information);
}

}  // namespace vorlix
