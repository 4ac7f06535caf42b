#pragma once

#include <string>
#include <vector>

#include "core/help_playlist.h"
#include "core/result.h"

namespace vorlix {

class CodePage;

// The files a playlist is kept in. Every write replaces the file as a whole through the safe
// write, so that a failure leaves the old file as it was.

// Writes a player file (.m3u, .bsl) anew with the text.
Result writePlayerFile(const std::string& path, const std::string& text);

// Adds the text to the end of a player file, which is created when missing.
Result appendToPlayerFile(const std::string& path, const std::string& text);

// Writes a help playlist (.qxhl) anew with the records in order.
Result writeHelpPlaylistFile(const std::string& path, const std::vector<CQXHPlaylist>& records,
                             const CodePage& codePage);

// Reads the records of a help playlist into records, in file order.
Result readHelpPlaylistFile(const std::string& path, const CodePage& codePage,
                            std::vector<CQXHPlaylist>& records);

}  // namespace vorlix
