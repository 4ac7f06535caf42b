#pragma once

#include <map>
#include <vector>

#include "tasks/lending_lists.h"

namespace vorlix {

// The columns of the lending lists, in their order on screen.
enum class LendingColumn { Name, Number, Location, LentAt };

// Sorts the rows by the column: names and locations as texts without regard to case, numbers
// as integers; rows that compare equal keep their order. "Lent at..." does not sort: false,
// and the rows stay as they are.
bool sortLendingRows(std::vector<LendingRow>& rows, LendingColumn column, bool descending);

// Header clicks that alternate for each column, the first click on a column sorting it
// descending.
class AlternatingSortOrder {
public:
    // Whether this click on the column sorts descending.
    bool nextDescending(int column);

private:
    std::map<int, bool> m_descending;
};

}  // namespace vorlix
