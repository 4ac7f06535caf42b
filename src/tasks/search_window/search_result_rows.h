#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/search_service.h"

namespace vorlix {

// One row of a search window's results: a file (name without its type, disc number, size text,
// type) or a disc (name, number, location, shared), copied when it was found.
struct SearchResultRow {
    std::string name;
    std::string number;
    std::string sizeText;
    std::string type;
    std::string location;
    bool shared = false;

    bool operator==(const SearchResultRow&) const = default;
};

enum class ColumnAlignment { Left, Centre, Right };

struct ResultColumn {
    std::string_view header;
    int width;
    ColumnAlignment alignment;
};

// The columns of file results and of disc results, in order.
const std::vector<ResultColumn>& resultColumns(bool files);

// The name with "." and the lower-cased type after it when there is a type: the file name the
// catalogue holds, give or take the case of its type.
std::string fullFileName(const SearchResultRow& row);

// The rows of a search window's results list in the order shown, the results kept for the
// filter, and the sort state of each column. New results go on top, so the result found last
// is the first row.
class SearchResultRows {
public:
    // No rows, the columns of the mode, every column unsorted.
    void reset(bool files);
    bool files() const { return m_files; }

    // A batch in the order it was found; returns how many rows it put on top.
    std::size_t addFiles(const std::vector<FileResult>& batch);
    std::size_t addDiscs(const std::vector<DiscResult>& batch);

    std::size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    const SearchResultRow& operator[](std::size_t row) const { return m_rows[row]; }
    SearchResultRow& operator[](std::size_t row) { return m_rows[row]; }
    // The text of a cell, as the column shows it.
    std::string text(std::size_t row, std::size_t column) const;

    // The first click on a column sorts descending, the next ascending, and so on; names and
    // types compare without case, numbers as integers and sizes by the number they begin with.
    void sortBy(std::size_t column);

    // The rows shown become the results the filter works on.
    void keepShown();
    // The kept results whose name contains the filter, in their order; an empty filter keeps
    // them all. File names are compared without case, disc names with the filter as typed.
    void showFiltered(std::string_view filter);

private:
    bool m_files = true;
    std::deque<SearchResultRow> m_rows;
    std::vector<SearchResultRow> m_kept;
    std::vector<bool> m_sortedDescending;
};

}  // namespace vorlix
