#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vorlix {

class CQXCatalog;

// What the freedb lookup dialog hands back when it closes with OK.
struct CddbLookupResult {
    // "Retrieve CDDB info for all unprocessed CD's": the run looked up every disc of
    // processedNumbers instead of the one it was opened for.
    bool batch = false;
    std::vector<std::string> processedNumbers;
    // The box labelled "Replace Artist Info with Album Artist / Year", which renames the disc.
    bool replaceName = false;
    // "Automatically Assign a Category": the album category went into the catalogue's list.
    bool assignCategory = false;
    // The name the looked-up disc has now.
    std::string resultName;
};

// The freedb lookup dialog, run modally over the catalogue for one disc: it writes what it
// finds into the catalogue's discs itself.
class CddbLookup {
public:
    virtual ~CddbLookup() = default;
    // Nothing when the dialog ends any other way than with OK.
    virtual std::optional<CddbLookupResult> run(CQXCatalog& catalogue, const std::string& number,
                                                const std::string& name) = 0;
};

}  // namespace vorlix
