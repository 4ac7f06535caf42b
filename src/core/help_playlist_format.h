#pragma once

#include <string>
#include <vector>

#include "core/help_playlist.h"

namespace vorlix {

class ByteSource;
class CodePage;

// Help playlist files: an archived list of CQXHPlaylist records.
std::vector<CQXHPlaylist> readHelpPlaylist(ByteSource& source, const CodePage& codePage);
std::string writeHelpPlaylist(const std::vector<CQXHPlaylist>& items, const CodePage& codePage);

}  // namespace vorlix
