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
//
// A catalogue cannot hold every character a name may have: a backslash reads as a folder
// separator in its paths, and a line end or a tab would cut the folder outline into lines and
// levels that are no folders. Such a character is shown by a visible stand-in that names it
// alone: a control character 0x00-0x1F by the control picture U+2400-U+241F of the same number,
// DEL by U+2421 and the backslash by the fullwidth reverse solidus U+FF3C. The name is then
// written into storage too.
std::string_view fileNameText(std::string_view bytes, std::string& storage);

// The characters the stand-ins of a name's text stand for, so that a catalogued name leads back
// to the file it was read from.
std::string nameWithoutStandIns(std::string_view text);

}  // namespace vorlix
