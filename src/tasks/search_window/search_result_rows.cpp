#include "tasks/search_window/search_result_rows.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "core/text_case.h"

namespace vorlix {

namespace {

enum class Comparison { Text, Integer, LeadingNumber };

const std::vector<ResultColumn> kFileColumns = {{"File Name", 180, ColumnAlignment::Left},
                                                {"Nr", 50, ColumnAlignment::Centre},
                                                {"Size", 68, ColumnAlignment::Right},
                                                {"Type", 45, ColumnAlignment::Right}};
const std::vector<ResultColumn> kDiscColumns = {{"CD name", 300, ColumnAlignment::Left},
                                                {"CD number", 70, ColumnAlignment::Right},
                                                {"Location", 70, ColumnAlignment::Right}};

Comparison comparisonOf(bool files, std::size_t column) {
    if (column == 1) {
        return Comparison::Integer;
    }
    return files && column == 2 ? Comparison::LeadingNumber : Comparison::Text;
}

// What a cell sorts by: its lower-cased text, or its number.
struct SortKey {
    std::string text;
    double number = 0;
};

SortKey sortKey(const std::string& text, Comparison comparison) {
    switch (comparison) {
        case Comparison::Integer:
            return {{}, static_cast<double>(std::strtol(text.c_str(), nullptr, 10))};
        case Comparison::LeadingNumber:
            return {{}, std::strtod(text.substr(0, text.find(' ')).c_str(), nullptr)};
        case Comparison::Text:
            break;
    }
    return {lowerCase(text), 0};
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

const std::vector<ResultColumn>& resultColumns(bool files) {
    return files ? kFileColumns : kDiscColumns;
}

std::string fullFileName(const SearchResultRow& row) {
    return row.type.empty() ? row.name : row.name + "." + lowerCase(row.type);
}

void SearchResultRows::reset(bool files) {
    m_files = files;
    m_rows.clear();
    m_sortedDescending.assign(resultColumns(files).size(), false);
}

std::size_t SearchResultRows::addFiles(const std::vector<FileResult>& batch) {
    for (const FileResult& found : batch) {
        m_rows.push_front({found.name, found.discNumber, found.sizeText, found.type, {}, false});
    }
    return batch.size();
}

std::size_t SearchResultRows::addDiscs(const std::vector<DiscResult>& batch) {
    for (const DiscResult& found : batch) {
        m_rows.push_front({found.name, found.number, {}, {}, found.location, found.shared});
    }
    return batch.size();
}

std::string SearchResultRows::text(std::size_t row, std::size_t column) const {
    const SearchResultRow& shown = m_rows[row];
    switch (column) {
        case 0:
            return shown.name;
        case 1:
            return shown.number;
        case 2:
            return m_files ? shown.sizeText : shown.location;
        default:
            return shown.type;
    }
}

void SearchResultRows::sortBy(std::size_t column) {
    const bool descending = !m_sortedDescending[column];
    m_sortedDescending[column] = descending;
    const Comparison comparison = comparisonOf(m_files, column);
    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        keys.push_back(sortKey(text(row, column), comparison));
    }
    std::vector<std::size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const SortKey& first = keys[descending ? b : a];
        const SortKey& second = keys[descending ? a : b];
        return comparison == Comparison::Text ? first.text < second.text
                                              : first.number < second.number;
    });
    std::deque<SearchResultRow> sorted;
    for (const std::size_t row : order) {
        sorted.push_back(std::move(m_rows[row]));
    }
    m_rows = std::move(sorted);
}

void SearchResultRows::keepShown() {
    m_kept.assign(m_rows.begin(), m_rows.end());
}

void SearchResultRows::showFiltered(std::string_view filter) {
    m_rows.clear();
    const std::string lowerFilter = lowerCase(filter);
    for (const SearchResultRow& row : m_kept) {
        const bool kept = m_files ? contains(lowerCase(fullFileName(row)), lowerFilter)
                                  : contains(lowerCase(row.name), filter);
        if (kept) {
            m_rows.push_back(row);
        }
    }
}

}  // namespace vorlix
