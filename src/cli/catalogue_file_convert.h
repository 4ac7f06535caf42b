#pragma once

#include <string>

namespace vorlix {

class CodePage;

// Writes the catalogue of one file as a current catalogue file at another, disc by disc as it
// is read, without holding the catalogue. The new file replaces what is at `out` only once it
// is whole: a damaged input or a failed write leaves `out` as it was. A failure becomes the
// command's one line, naming the input for what reading found and the output for the write.
void convertCatalogueFile(const std::string& in, const std::string& out, const CodePage& codePage);

}  // namespace vorlix
