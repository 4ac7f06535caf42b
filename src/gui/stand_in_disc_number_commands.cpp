#include "gui/stand_in_disc_number_commands.h"

#include "core/user_prompt.h"

namespace vorlix {

void StandInDiscNumberCommands::tell() {
    m_prompt.message(
        "Disc numbers cannot be changed, shown or checked for gaps in this version "
        "of Vorlix yet.",
        MessageIcon::Information);
}

void StandInDiscNumberCommands::changeNumber(const std::string&, const std::string&) {
    tell();
}

void StandInDiscNumberCommands::showDisc(int) {
    tell();
}

void StandInDiscNumberCommands::findGaps() {
    tell();
}

}  // namespace vorlix
