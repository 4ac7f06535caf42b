#pragma once

#include "app/copy_from_search.h"

namespace vorlix {

class UserPrompt;

// Takes the place of the copy tasks until they arrive: it says so and copies nothing.
class StandInCopyTasks final : public CopyFromSearch {
public:
    explicit StandInCopyTasks(UserPrompt& prompt) : m_prompt(prompt) {}

    void copyFromSearch(const std::vector<CQXDisc*>& discs,
                        const std::vector<std::string>& names) override;

private:
    UserPrompt& m_prompt;
};

}  // namespace vorlix
