#pragma once

#include "cli/cli_command.h"

namespace vorlix {

class CodePage;

// cddb and cover: the freedb lookup of an audio disc, listing what the server found and
// applying one match, and a disc's cover from a picture file or from MusicBrainz.
void addOnlineCommands(CliCommands& commands, const CodePage& codePage);

}  // namespace vorlix
