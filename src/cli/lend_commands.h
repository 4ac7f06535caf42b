#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// lend, return, lent and available: lending discs and the lists of lent and available discs.
void addLendCommands(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
