#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class CodePage;

// The MD5 digest text that accounts and owners are recorded with. Catalogues and accounts files
// written on Windows hold digests of the text's code page bytes, so a text the code page can
// hold is digested in that form; any other text has no code page form and is digested as UTF-8.
// Every digest of a log name or password goes through here so that all of them agree.
std::string textDigest(std::string_view text, const CodePage& codePage);

}  // namespace vorlix
