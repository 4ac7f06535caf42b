#pragma once

#include <string>

#include "core/catalog.h"

namespace vorlix {

class CodePage;

// A catalogue file read or written by a command; a failure becomes the command's one line.
CQXCatalog readCatalogueFile(const std::string& path, const CodePage& codePage);
// Replaces the file atomically, so a failure leaves the old file as it was.
void writeCatalogueFile(CQXCatalog& catalogue, const std::string& path, const CodePage& codePage);

}  // namespace vorlix
