#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "search/disc_snapshot.h"

namespace vorlix {

class CQXCatalog;
class CQXDisc;

// Keeps a snapshot of every disc of the open catalogue for the searches, so that a search
// starts without copying millions of names. Used on the thread that owns the catalogue only.
//
// A snapshot is made again when its disc's own fields no longer equal it (rename, share,
// artist, categories, lending, a new number) or its list of entries was replaced (optimiser),
// when its number was named as changed (edits of its entries, a disc deleted and scanned again
// under the same number), or when everything was named as changed.
class SearchIndex {
public:
    // The catalogue's discs in catalogue order; brings the snapshots up to date first.
    CatalogueSnapshot discs(const CQXCatalog& catalogue);

    // The entries of the disc with that number changed.
    void discChanged(std::string_view number);
    // Entries of any disc may have changed, or the catalogue was replaced.
    void everythingChanged();

    // Bytes the snapshots take for the file entries, and how many entries they hold.
    std::size_t fileBytes() const;
    std::size_t fileCount() const;

private:
    struct Held {
        std::shared_ptr<const DiscSnapshot> snapshot;
        const void* entries = nullptr;  // the first entry, which moves when the list is replaced
    };

    std::shared_ptr<const DiscSnapshot> current(const CQXDisc& disc);

    std::unordered_map<const CQXDisc*, Held> m_held;
    std::set<std::string, std::less<>> m_changedNumbers;
};

}  // namespace vorlix
