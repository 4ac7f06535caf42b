#pragma once

#include <cstdint>
#include <string>

namespace vorlix {

class CQXCatalog;

// The summary figures of a whole catalogue, as the Database Information dialog and
// `vorlix-cli info` show them.
struct DatabaseInfo {
    std::string owner;  // the owner of the first disc; empty without discs
    std::uint64_t files = 0;
    std::uint64_t discs = 0;
    std::uint64_t shared = 0;
    std::uint64_t available = 0;
    std::uint64_t nonAvailable = 0;
    std::uint64_t categories = 0;
    std::string size;  // "702 MB", "3 GB"
};

DatabaseInfo databaseInfo(const CQXCatalog& catalogue);

// The sum of the discs' sizes in whole megabytes, as "N MB", or over 1000 megabytes as the
// nearest whole number of gigabytes, "N GB".
std::string databaseSizeText(const CQXCatalog& catalogue);

}  // namespace vorlix
