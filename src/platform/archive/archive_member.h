#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/archive/opened_entry.h"

namespace vorlix {

// Gives the archive's file afresh, read from its start.
using ArchiveSource = std::function<OpenedEntry()>;

// The member of the archive that the names stand for ({"docs", "a.txt"}), compared with the
// member's path components without regard to case (one of the same case wins), as a file that
// streams its data. When the names run on past a member that is a file ({"inner.tar", "x.txt"}),
// that member is opened as an archive in turn, down to the member named. archiveName names the
// archive in messages ("d:\backup\old.zip"). The source is opened again when the member to take
// is only known once every member was seen.
OpenedEntry openArchiveMember(const ArchiveSource& source, const std::vector<std::string>& names,
                              const std::string& archiveName);

}  // namespace vorlix
