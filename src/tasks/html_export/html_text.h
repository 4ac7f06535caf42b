#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Appends a catalogue text to an HTML page so that a browser shows exactly that text: the
// characters that mean markup ("<", ">", "&" and both quotes) and every character beyond ASCII
// become character references. The page therefore holds ASCII only and reads the same whatever
// character set it declares. Bytes that are not well-formed UTF-8 show as U+FFFD.
void appendHtmlText(std::string& page, std::string_view text);

std::string htmlText(std::string_view text);

}  // namespace vorlix
