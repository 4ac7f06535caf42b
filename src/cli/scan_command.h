#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// scan: reads a drive, an image or a folder into a new disc of a catalogue file.
void addScanCommand(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
