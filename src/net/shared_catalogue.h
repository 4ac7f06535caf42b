#pragma once

#include <string>
#include <vector>

namespace vorlix {

class CodePage;
class CQXCatalog;
class CQXDisc;

// The catalogue offered to other users: the discs whose shared field is "Yes" and every category
// name, both in reverse catalogue order. It refers to the catalogue's discs and copies none, so it
// lives no longer than the catalogue stays unchanged.
struct SharedCatalogue {
    std::vector<CQXDisc*> discs;
    std::vector<std::string> categories;

    static SharedCatalogue of(const CQXCatalog& catalogue);

    // The catalogue file form, a root without named objects, in chunks that follow each other.
    std::vector<std::string> fileBytes(const CodePage& codePage) const;
};

}  // namespace vorlix
