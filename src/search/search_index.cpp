#include "search/search_index.h"

#include "core/catalog.h"

namespace vorlix {

namespace {

// Whether the snapshot still shows the disc, as far as that can be told without going through
// its entries: a disc deleted and another made in its memory differs in some field or in its
// entries' list.
bool stillShows(const DiscSnapshot& snapshot, const CQXDisc& disc) {
    return disc.number() == snapshot.number() && disc.files.size() == snapshot.fileCount() &&
           (disc.files.empty() || &disc.files.front() == snapshot.firstEntry()) &&
           disc.shared() == snapshot.sharedText() && disc.name() == snapshot.name() &&
           disc.artist() == snapshot.artist() && disc.location() == snapshot.location() &&
           disc.categories() == snapshot.categories();
}

}  // namespace

CatalogueSnapshot SearchIndex::discs(const CQXCatalog& catalogue) {
    if (!m_reported && m_snapshot) {
        return m_snapshot;
    }
    // Discs mostly stay where they were; the lookup by object is for those that moved.
    std::unordered_map<const CQXDisc*, std::size_t> madeAt;
    auto heldFor = [&](const CQXDisc* disc, std::size_t position) -> std::size_t {
        if (position < m_madeFrom.size() && m_madeFrom[position] == disc) {
            return position;
        }
        if (madeAt.empty()) {
            for (std::size_t i = 0; i < m_madeFrom.size(); ++i) {
                madeAt.emplace(m_madeFrom[i], i);
            }
        }
        const auto found = madeAt.find(disc);
        return found == madeAt.end() ? m_madeFrom.size() : found->second;
    };
    auto snapshot = std::make_shared<DiscSnapshots>();
    snapshot->reserve(catalogue.discs.size());
    std::vector<const CQXDisc*> madeFrom;
    madeFrom.reserve(catalogue.discs.size());
    for (std::size_t position = 0; position < catalogue.discs.size(); ++position) {
        const CQXDisc& disc = *catalogue.discs[position];
        const std::size_t held = heldFor(&disc, position);
        snapshot->push_back(
            current(disc, held < m_madeFrom.size() ? (*m_snapshot)[held] : nullptr));
        madeFrom.push_back(&disc);
    }
    m_snapshot = std::move(snapshot);
    m_madeFrom = std::move(madeFrom);
    m_changedNumbers.clear();
    m_reported = false;
    return m_snapshot;
}

std::shared_ptr<const DiscSnapshot> SearchIndex::current(
    const CQXDisc& disc, const std::shared_ptr<const DiscSnapshot>& held) {
    if (held && stillShows(*held, disc) && !m_changedNumbers.contains(held->number())) {
        return held;
    }
    return std::make_shared<const DiscSnapshot>(disc);
}

void SearchIndex::discChanged(std::string_view number) {
    if (!number.empty()) {
        m_changedNumbers.emplace(number);
    }
    m_reported = true;
}

void SearchIndex::everythingChanged() {
    m_snapshot.reset();
    m_madeFrom.clear();
    m_changedNumbers.clear();
    m_reported = true;
}

std::size_t SearchIndex::fileBytes() const {
    std::size_t bytes = 0;
    for (const auto& disc : m_snapshot ? *m_snapshot : DiscSnapshots()) {
        bytes += disc->fileBytes();
    }
    return bytes;
}

std::size_t SearchIndex::fileCount() const {
    std::size_t count = 0;
    for (const auto& disc : m_snapshot ? *m_snapshot : DiscSnapshots()) {
        count += disc->fileCount();
    }
    return count;
}

}  // namespace vorlix
