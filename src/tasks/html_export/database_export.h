#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class CQXCatalog;
class CQXDisc;

// The size cell of a disc: its files' sizes added up in megabytes, one decimal ("12.5").
std::string exportedDiscSize(const CQXDisc& disc);

// The database export: every disc of the catalogue in list order, shared or not, with its size,
// file count, location and categories. title is the document's title, date today's date text.
std::string databaseExportPage(const CQXCatalog& catalogue, std::string_view title,
                               std::string_view date);

}  // namespace vorlix
