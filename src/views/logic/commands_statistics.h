#pragma once

#include <optional>
#include <string>

namespace vorlix {

class CQXCatalog;

// The commands panel's figures of the catalogue: its owner (the first disc's owner name), how
// many discs are shared and how many files all discs hold. Nothing for a catalogue without
// discs, whose figures are not computed.
struct CatalogueStatistics {
    std::string owner;
    std::string sharedCount;
    std::string fileTotal;

    bool operator==(const CatalogueStatistics&) const = default;
};

std::optional<CatalogueStatistics> catalogueStatistics(const CQXCatalog& catalogue);

// "Number of CDs" and "Last Entry": the number of discs and the number of the last disc in the
// list (empty without discs).
struct DiscCountTexts {
    std::string count;
    std::string lastEntry;

    bool operator==(const DiscCountTexts&) const = default;
};

DiscCountTexts discCountTexts(const CQXCatalog& catalogue);

}  // namespace vorlix
