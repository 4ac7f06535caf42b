#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// export-html: the database export page of a catalogue, written to a file.
void addExportHtmlCommand(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
