#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "views/logic/file_list_columns.h"
#include "views/logic/file_list_row.h"

namespace vorlix {

enum class SortDirection { Ascending, Descending };

// Which way each column sorted last, kept as "true" or "false" under the keys "column1",
// "column2" and "column3" (Name, Size, Type). A click on a column flips its key: "false"
// becomes "true" and sorts descending, so the first click on a column sorts descending.
class FileListSortState {
public:
    FileListSortState();

    // Every key "false", as for a catalogue just shown.
    void reset();
    // Flips the column's key and answers the direction to sort in.
    SortDirection flip(FileListColumn column);
    const std::string& key(FileListColumn column) const;

private:
    std::map<std::string, std::string> m_keys;
};

// The row indexes in the order that sorts the rows by the column: Name and Type without
// regard to case, Size by the number shown. Rows that compare equal keep their order.
std::vector<std::size_t> sortedRowOrder(const std::vector<FileListRow>& rows, FileListColumn column,
                                        SortDirection direction);

}  // namespace vorlix
