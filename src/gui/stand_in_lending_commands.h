#pragma once

#include "app/lending_commands.h"

namespace vorlix {

class UserPrompt;

// Takes the place of lending until it arrives: every operation says so and changes nothing.
class StandInLendingCommands final : public LendingCommands {
public:
    explicit StandInLendingCommands(UserPrompt& prompt) : m_prompt(prompt) {}

    bool lend(const std::string& borrower) override;
    bool getBack() override;
    void showAvailable() override;
    void showNonAvailable(const std::string& borrower) override;

private:
    void tell();

    UserPrompt& m_prompt;
};

}  // namespace vorlix
