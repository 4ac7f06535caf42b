#include "tasks/lending_list_sort.h"

#include <algorithm>
#include <string>

#include "core/numbers.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

// Rows with their sort key worked out once, so that a list of thousands is not lower-cased
// again at every comparison.
template <typename Key>
void sortByKey(std::vector<LendingRow>& rows, bool descending, Key key) {
    using Value = decltype(key(rows.front()));
    std::vector<std::pair<Value, LendingRow>> keyed;
    keyed.reserve(rows.size());
    for (LendingRow& row : rows) {
        Value value = key(row);
        keyed.emplace_back(std::move(value), std::move(row));
    }
    std::ranges::stable_sort(keyed, [descending](const auto& a, const auto& b) {
        return descending ? b.first < a.first : a.first < b.first;
    });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = std::move(keyed[i].second);
    }
}

}  // namespace

bool sortLendingRows(std::vector<LendingRow>& rows, LendingColumn column, bool descending) {
    switch (column) {
        case LendingColumn::Name:
            sortByKey(rows, descending, [](const LendingRow& row) { return lowerCase(row.name); });
            return true;
        case LendingColumn::Number:
            sortByKey(rows, descending,
                      [](const LendingRow& row) { return leadingInt(row.number); });
            return true;
        case LendingColumn::Location:
            sortByKey(rows, descending,
                      [](const LendingRow& row) { return lowerCase(row.location); });
            return true;
        case LendingColumn::LentAt:
            break;
    }
    return false;
}

bool AlternatingSortOrder::nextDescending(int column) {
    const auto [entry, first] = m_descending.try_emplace(column, true);
    if (!first) {
        entry->second = !entry->second;
    }
    return entry->second;
}

}  // namespace vorlix
