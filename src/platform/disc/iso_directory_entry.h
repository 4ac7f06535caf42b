#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/disc_volume.h"

namespace vorlix {

// The name a directory record is shown by, as Windows shows it. A Rock Ridge name stands as
// recorded; an ISO 9660 or Joliet name loses its version suffix (";1") and, when the name has
// no extension, the "." recorded before the suffix.
std::string isoEntryName(std::string_view recorded, bool rockRidge);

// Adds the entry of one directory record. A file of 4 GiB or more is recorded in several
// extents, one record each under the same name, one after the other: it becomes one entry
// whose size is the sum of theirs.
void appendIsoEntry(std::vector<DirectoryEntry>& entries, DirectoryEntry entry);

}  // namespace vorlix
