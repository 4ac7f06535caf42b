#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "views/logic/file_list_row.h"

namespace vorlix {

// The columns of the file list, left to right.
enum class FileListColumn { Name, Size, Type };

inline constexpr std::size_t kFileListColumnCount = 3;

// The least widths in pixels of the Size and Type columns for a screen of that width. The
// Name column takes whatever room the pane leaves beside them.
struct FileListLeastWidths {
    int size = 0;
    int type = 0;

    bool operator==(const FileListLeastWidths&) const = default;
};

FileListLeastWidths fileListLeastWidths(int screenWidth);

// The Type texts of the rows, each once, in the order they first occur: the texts the Type
// column must have room for.
std::vector<std::string> distinctTypes(const std::vector<FileListRow>& rows);

}  // namespace vorlix
