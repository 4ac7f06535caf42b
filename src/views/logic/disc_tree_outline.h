#pragma once

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

namespace vorlix {

// One line of a disc's folder outline as a tree item: the line without its indenting tabs, and
// the index of the line its item hangs under.
struct OutlineItem {
    static constexpr std::size_t kNoParent = std::numeric_limits<std::size_t>::max();

    std::string_view text;
    std::size_t parent = kNoParent;
};

// The items of a folder outline in outline order: first the disc line (no parent), then one
// folder per further line. Only lines ended by CR LF count. The disc line's tabs set the base
// depth; a folder's depth below the disc is its tab count minus that base, and it hangs under
// the nearest of the previous item and that item's ancestors that lies less deep, so a line one
// tab deeper becomes the previous item's child, a line as deep its sibling, a shallower line the
// sibling of the matching ancestor. A line that is not deeper than the disc line still hangs
// under the disc: a folder is never a disc of its own. The texts point into outline.
std::vector<OutlineItem> parseOutline(std::string_view outline);

}  // namespace vorlix
