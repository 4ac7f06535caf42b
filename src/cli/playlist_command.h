#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// playlist: writes a player file or a help playlist of the files a file search finds.
void addPlaylistCommand(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
