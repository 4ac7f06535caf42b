#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// new, dump, convert and make-demo: commands that read and write catalogue files as stored.
void addCatalogueCommands(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
