#pragma once

#include <string_view>

#include "app/settings/reg_document.h"

namespace vorlix {

// Reads the bytes of a .reg file: UTF-16LE with its byte order mark as the registry editor
// exports it, or UTF-8 with or without a mark (a line that is not UTF-8 is taken as
// Windows-1252, the encoding of older exports); lines end in LF, CR LF or CR CR LF; hex data goes
// on over lines that end in a backslash. Never fails: what it cannot take apart stays in the
// document as kept lines and is listed among its issues.
RegDocument parseRegText(std::string_view bytes);

}  // namespace vorlix
