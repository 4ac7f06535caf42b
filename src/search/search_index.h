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
// The owner of the catalogue reports every edit: which disc changed (by number), or that any
// may have. Until the next report the discs are handed out as they are, without looking at the
// catalogue at all. After one, the catalogue's list is walked once: a disc keeps its snapshot
// when it is the same disc object, its own fields and its list of entries are those of the
// snapshot, and its number was not reported (the entries themselves are edited in place, so
// only a report tells of that); any other disc gets a new snapshot.
class SearchIndex {
public:
    // The catalogue's discs in catalogue order, brought up to date with every report.
    CatalogueSnapshot discs(const CQXCatalog& catalogue);

    // The disc with that number changed, or discs were added, deleted or moved; an empty
    // number reports only the latter.
    void discChanged(std::string_view number);
    // Any disc may have changed, or the catalogue was replaced.
    void everythingChanged();

    // Bytes the snapshots take for the file entries, and how many entries they hold.
    std::size_t fileBytes() const;
    std::size_t fileCount() const;

private:
    std::shared_ptr<const DiscSnapshot> current(const CQXDisc& disc,
                                                const std::shared_ptr<const DiscSnapshot>& held);

    CatalogueSnapshot m_snapshot;
    // The disc object each snapshot of m_snapshot was made from, in the same order.
    std::vector<const CQXDisc*> m_madeFrom;
    std::set<std::string, std::less<>> m_changedNumbers;
    bool m_reported = true;
};

}  // namespace vorlix
