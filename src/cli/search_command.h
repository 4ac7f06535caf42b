#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// search: finds files or discs of a catalogue with the search window's rules and parameters.
void addSearchCommand(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
