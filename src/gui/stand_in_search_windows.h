#pragma once

#include "app/search_window.h"

namespace vorlix {

class UserPrompt;

// Takes the place of the search window until searching arrives: it says so and makes none.
class StandInSearchWindows final : public SearchWindowFactory {
public:
    explicit StandInSearchWindows(UserPrompt& prompt) : m_prompt(prompt) {}

    std::unique_ptr<SearchWindow> create(SearchWindowSetup setup) override;

private:
    UserPrompt& m_prompt;
};

}  // namespace vorlix
