#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// config: reads, writes and lists the user's settings by their names, with the types and limits
// the program gives them.
void addConfigCommand(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
