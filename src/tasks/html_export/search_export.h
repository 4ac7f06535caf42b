#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// A result row as the search window shows it: a file's name, size text and type, or a disc's
// name and location.
struct SearchExportRow {
    std::string name;
    std::string sizeText;
    std::string type;
    std::string location;
};

// "12 Files" or "3 CDs".
std::string searchExportCountText(std::size_t rows, bool discs);

// The search export: one block per row in the order given, numbered from 1. Disc numbers are
// not written.
std::string searchExportPage(const std::vector<SearchExportRow>& rows, bool discs,
                             std::string_view title, std::string_view date);

}  // namespace vorlix
