#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// copy: copies a catalogued file from the drive, image or folder that holds its disc.
void addCopyCommand(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
