#pragma once

#include <string>

#include "core/catalog.h"
#include "platform/file_lock.h"

namespace vorlix {

class CodePage;
struct CliArguments;

// The lock of a catalogue file that a command is about to change, held by the command from
// before it reads the file until the new one is in place, so that commands changing the same
// catalogue at the same time each keep the other's change. Waits a few seconds for another
// holder, then fails naming the file.
FileLock lockCatalogueFile(const std::string& path);
// A catalogue file read or written by a command; a failure becomes the command's one line.
CQXCatalog readCatalogueFile(const std::string& path, const CodePage& codePage);
// Refuses to go on when something is at path, unless the command line has --force: a
// command that makes a catalogue from nothing must not quietly replace the user's own.
void requireNewFile(const std::string& path, const CliArguments& arguments);
// Replaces the file atomically, so a failure leaves the old file as it was.
void writeCatalogueFile(CQXCatalog& catalogue, const std::string& path, const CodePage& codePage);

}  // namespace vorlix
