#include "search/search_index.h"

#include "core/catalog.h"

namespace vorlix {

namespace {

const void* firstEntry(const CQXDisc& disc) {
    return disc.files.empty() ? nullptr : &disc.files.front();
}

bool sameDiscFields(const DiscSnapshot& snapshot, const CQXDisc& disc) {
    return disc.number == snapshot.number() && disc.name == snapshot.name() &&
           disc.artist == snapshot.artist() && disc.location == snapshot.location() &&
           disc.shared == snapshot.sharedText() && disc.categories == snapshot.categories() &&
           disc.files.size() == snapshot.fileCount();
}

}  // namespace

CatalogueSnapshot SearchIndex::discs(const CQXCatalog& catalogue) {
    std::unordered_map<const CQXDisc*, Held> kept;
    kept.reserve(catalogue.discs.size());
    CatalogueSnapshot snapshot;
    snapshot.reserve(catalogue.discs.size());
    for (const auto& disc : catalogue.discs) {
        snapshot.push_back(current(*disc));
        kept.emplace(disc.get(), Held{snapshot.back(), firstEntry(*disc)});
    }
    m_held = std::move(kept);
    m_changedNumbers.clear();
    return snapshot;
}

std::shared_ptr<const DiscSnapshot> SearchIndex::current(const CQXDisc& disc) {
    if (const auto held = m_held.find(&disc); held != m_held.end()) {
        const Held& known = held->second;
        if (known.entries == firstEntry(disc) && sameDiscFields(*known.snapshot, disc) &&
            !m_changedNumbers.contains(disc.number.view())) {
            return known.snapshot;
        }
    }
    return std::make_shared<const DiscSnapshot>(disc);
}

void SearchIndex::discChanged(std::string_view number) {
    m_changedNumbers.emplace(number);
}

void SearchIndex::everythingChanged() {
    m_held.clear();
    m_changedNumbers.clear();
}

std::size_t SearchIndex::fileBytes() const {
    std::size_t bytes = 0;
    for (const auto& [disc, held] : m_held) {
        bytes += held.snapshot->fileBytes();
    }
    return bytes;
}

std::size_t SearchIndex::fileCount() const {
    std::size_t count = 0;
    for (const auto& [disc, held] : m_held) {
        count += held.snapshot->fileCount();
    }
    return count;
}

}  // namespace vorlix
