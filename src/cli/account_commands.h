#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// accounts add|delete|list and whoami: the local accounts of the program folder.
void addAccountCommands(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
