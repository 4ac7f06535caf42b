#pragma once

#include <string>

#include "core/catalog.h"

namespace vorlix {

class CodePage;
struct CliArguments;

// A catalogue file read or written by a command; a failure becomes the command's one line.
CQXCatalog readCatalogueFile(const std::string& path, const CodePage& codePage);
// Refuses to go on when something is at path, unless the command line has --force: a
// command that makes a catalogue from nothing must not quietly replace the user's own.
void requireNewFile(const std::string& path, const CliArguments& arguments);
// Replaces the file atomically, so a failure leaves the old file as it was.
void writeCatalogueFile(CQXCatalog& catalogue, const std::string& path, const CodePage& codePage);

}  // namespace vorlix
