#pragma once

#include <cstdio>

namespace vorlix {

class CQXCatalog;
class CodePage;

// The whole catalogue as JSON: discs with their files, categories, named objects (in the order
// the file stores them).
void dumpJson(const CQXCatalog& catalogue, const CodePage& codePage, std::FILE* out);

// The whole catalogue as indented text for people.
void dumpText(const CQXCatalog& catalogue, const CodePage& codePage, std::FILE* out);

}  // namespace vorlix
