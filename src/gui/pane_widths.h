#pragma once

#include <array>

namespace vorlix {

// The narrowest a pane of the main window may be dragged.
inline constexpr int kMinimumPaneWidth = 100;

// The initial widths of the four panes, left to right (commands panel, disc tree, file list,
// categories panel), for the width of the screen the program starts on.
std::array<int, 4> initialPaneWidths(int screenWidth);

}  // namespace vorlix
