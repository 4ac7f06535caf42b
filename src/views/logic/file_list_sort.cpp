#include "views/logic/file_list_sort.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace vorlix {

namespace {

constexpr std::string_view kTrue = "true";
constexpr std::string_view kFalse = "false";

std::string keyName(FileListColumn column) {
    return "column" + std::to_string(static_cast<int>(column) + 1);
}

// Sorts (key, index) pairs side by side rather than indexes that point into the rows, so
// that comparing touches neighbouring memory.
template <typename Key>
std::vector<std::size_t> orderBy(const std::vector<FileListRow>& rows, Key key,
                                 SortDirection direction) {
    using Pair = std::pair<decltype(key(rows.front())), std::size_t>;
    std::vector<Pair> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        keyed.emplace_back(key(rows[i]), i);
    }
    if (direction == SortDirection::Ascending) {
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const Pair& a, const Pair& b) { return a.first < b.first; });
    } else {
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const Pair& a, const Pair& b) { return b.first < a.first; });
    }
    std::vector<std::size_t> order;
    order.reserve(keyed.size());
    for (const Pair& pair : keyed) {
        order.push_back(pair.second);
    }
    return order;
}

}  // namespace

FileListSortState::FileListSortState() {
    reset();
}

void FileListSortState::reset() {
    for (FileListColumn column :
         {FileListColumn::Name, FileListColumn::Size, FileListColumn::Type}) {
        m_keys[keyName(column)] = kFalse;
    }
}

SortDirection FileListSortState::flip(FileListColumn column) {
    std::string& key = m_keys[keyName(column)];
    if (key == kTrue) {
        key = kFalse;
        return SortDirection::Ascending;
    }
    key = kTrue;
    return SortDirection::Descending;
}

const std::string& FileListSortState::key(FileListColumn column) const {
    return m_keys.at(keyName(column));
}

std::vector<std::size_t> sortedRowOrder(const std::vector<FileListRow>& rows, FileListColumn column,
                                        SortDirection direction) {
    switch (column) {
        case FileListColumn::Name:
            return orderBy(
                rows, [](const FileListRow& row) { return std::string_view(row.nameKey); },
                direction);
        case FileListColumn::Size:
            return orderBy(
                rows, [](const FileListRow& row) { return row.sizeKey; }, direction);
        case FileListColumn::Type:
            return orderBy(
                rows, [](const FileListRow& row) { return std::string_view(row.typeKey); },
                direction);
    }
    return {};
}

}  // namespace vorlix
