#include "gui/stand_in_lending_commands.h"

#include "core/user_prompt.h"

namespace vorlix {

void StandInLendingCommands::tell() {
    m_prompt.message("Lending is not available in this version of Vorlix yet.",
                     MessageIcon::Information);
}

bool StandInLendingCommands::lend(const std::string&) {
    tell();
    return false;
}

bool StandInLendingCommands::getBack() {
    tell();
    return false;
}

void StandInLendingCommands::showAvailable() {
    tell();
}

void StandInLendingCommands::showNonAvailable(const std::string&) {
    tell();
}

}  // namespace vorlix
