#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The text a file name's bytes stand for. A file system hands names over as bytes: nearly always
// UTF-8, but a disc written on Windows, or a folder copied from one, may hold names in its code
// page (caf\xE9.mp3). Those are read as Windows-1252, which gives every byte a character of its
// own, so the name keeps all it said and can be found again. Well-formed UTF-8 comes back as the
// bytes themselves; a name read as Windows-1252 is written into storage, which the result then
// shows.
std::string_view fileNameText(std::string_view bytes, std::string& storage);

}  // namespace vorlix
