#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "views/logic/file_list_row.h"

namespace vorlix {

class CQXFileData;

// The rows for the files directly in the folder of a disc tree item (see FileListFolder), in
// the order of the disc's entries.
std::vector<FileListRow> folderRows(const std::vector<CQXFileData*>& files,
                                    std::string_view itemPath);

// The first row that shows a file of the entry's name, without regard to case, and of its
// size as the Size column writes it; nullopt when none does. Only the rows' texts are read.
std::optional<std::size_t> rowShowing(const std::vector<FileListRow>& rows,
                                      const CQXFileData& entry);

}  // namespace vorlix
