#pragma once

#include <string>

#include "app/settings/reg_document.h"

namespace vorlix {

// The text of a .reg file holding the document: the version 5 header, the sections in their
// order, texts as quoted strings (as hex(1) UTF-16LE when they hold a line break, which a
// quoted string cannot), DWORDs as dword:, other types as hex data wrapped the way the registry
// editor wraps it. Lines end in CR LF as in the editor's exports. The text is UTF-8, the
// encoding of every text on this system (kept lines go back byte for byte as they were read);
// the parser also takes the editor's UTF-16 files.
std::string formatRegText(const RegDocument& document);

}  // namespace vorlix
