#pragma once

#include <array>
#include <cstddef>

namespace vorlix {

// The columns of the file list, left to right.
enum class FileListColumn { Name, Size, Type };

inline constexpr std::size_t kFileListColumnCount = 3;

// The widths in pixels of Name, Size and Type for a screen of that width: the pane was laid
// out for the common screen widths, and any other width gets a middle choice.
std::array<int, kFileListColumnCount> fileListColumnWidths(int screenWidth);

}  // namespace vorlix
