#pragma once

#include "app/disc_number_commands.h"

namespace vorlix {

class UserPrompt;

// Takes the place of Change number, Show CD and Find Gaps until they arrive: each says so and
// changes nothing.
class StandInDiscNumberCommands final : public DiscNumberCommands {
public:
    explicit StandInDiscNumberCommands(UserPrompt& prompt) : m_prompt(prompt) {}

    void changeNumber(const std::string& number, const std::string& name) override;
    void showDisc(int number) override;
    void findGaps() override;

private:
    void tell();

    UserPrompt& m_prompt;
};

}  // namespace vorlix
