#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// gaps and renumber: the free disc numbers, and a disc's number changed.
void addNumberCommands(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
