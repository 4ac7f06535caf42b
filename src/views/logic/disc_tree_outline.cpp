#include "views/logic/disc_tree_outline.h"

#include <algorithm>

namespace vorlix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::size_t leadingTabs(std::string_view line) {
    const std::size_t first = line.find_first_not_of('\t');
    return first == std::string_view::npos ? line.size() : first;
}

}  // namespace

std::vector<OutlineItem> parseOutline(std::string_view outline) {
    std::vector<OutlineItem> items;
    // Depth below the disc of each item; the disc itself is at depth 0.
    std::vector<std::ptrdiff_t> depths;
    items.reserve(static_cast<std::size_t>(std::count(outline.begin(), outline.end(), '\n')));
    depths.reserve(items.capacity());

    std::ptrdiff_t baseTabs = 0;
    for (std::size_t end = outline.find(kLineEnd); end != std::string_view::npos;
         end = outline.find(kLineEnd)) {
        const std::string_view line = outline.substr(0, end);
        outline.remove_prefix(end + kLineEnd.size());
        const auto tabs = static_cast<std::ptrdiff_t>(leadingTabs(line));
        const std::string_view text = line.substr(static_cast<std::size_t>(tabs));
        if (items.empty()) {
            baseTabs = tabs;
            items.push_back({text, OutlineItem::kNoParent});
            depths.push_back(0);
            continue;
        }
        const std::ptrdiff_t depth = std::max<std::ptrdiff_t>(tabs - baseTabs, 1);
        std::size_t parent = items.size() - 1;
        while (depths[parent] >= depth) {
            parent = items[parent].parent;
        }
        items.push_back({text, parent});
        depths.push_back(depth);
    }
    return items;
}

}  // namespace vorlix
