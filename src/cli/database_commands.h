#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// info and optimize: the summary figures of a catalogue, and the removal of the file entries
// whose extension the keep list does not hold.
void addDatabaseCommands(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
