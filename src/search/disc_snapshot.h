#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text_list.h"
#include "search/name_pair_filter.h"

namespace vorlix {

class CQXDisc;

// A copy of what a search reads of one disc, made on the thread that owns the catalogue and
// never changed afterwards, so that any number of search workers read it while the catalogue
// is edited, and a disc deleted meanwhile stays readable until the last search lets go of it.
//
// The file names are kept twice: lower-cased with the one lower-casing of the program, back to
// back with a NUL after each (the text the searches scan, in which no match can run from one
// name into the next), and as recorded, for the results.
class DiscSnapshot {
public:
    explicit DiscSnapshot(const CQXDisc& disc);

    const std::string& number() const { return m_number; }
    const std::string& name() const { return m_name; }
    const std::string& artist() const { return m_artist; }
    const std::string& location() const { return m_location; }
    const std::string& sharedText() const { return m_shared; }
    const TextList& categories() const { return m_categories; }
    const std::string& nameKey() const { return m_nameKey; }
    const std::string& artistKey() const { return m_artistKey; }
    bool shared() const { return m_shared == "Yes"; }

    std::size_t fileCount() const { return m_sizes.size(); }
    // Every lower-cased file name, each followed by a NUL, in entry order.
    std::string_view fileKeys() const { return m_keys; }
    // Which pairs of bytes occur in fileKeys().
    const NamePairFilter& keyPairs() const { return m_keyPairs; }
    // The entry whose lower-cased name holds the position in fileKeys().
    std::size_t fileAt(std::size_t keyPosition) const;
    // Where the lower-cased name of the entry after `file` starts in fileKeys().
    std::size_t keyEnd(std::size_t file) const { return m_keyStarts[file + 1]; }
    std::string_view fileName(std::size_t file) const;
    std::string_view folder(std::size_t file) const { return m_folders[m_folderOf[file]]; }
    std::uint32_t fileSize(std::size_t file) const { return m_sizes[file]; }
    // The categories attached to the entry; most entries have none.
    const TextList& fileCategories(std::size_t file) const;

    // The disc's first entry when the snapshot was made: it moves when the list is replaced.
    const void* firstEntry() const { return m_firstEntry; }

    // Bytes this snapshot takes beyond its disc's own fields: names, keys and per-entry data.
    std::size_t fileBytes() const;

private:
    std::string m_number;
    std::string m_name;
    std::string m_artist;
    std::string m_location;
    std::string m_shared;
    TextList m_categories;
    std::string m_nameKey;
    std::string m_artistKey;

    const void* m_firstEntry = nullptr;
    std::string m_keys;
    std::vector<std::uint32_t> m_keyStarts;  // one more than there are files
    NamePairFilter m_keyPairs;
    std::string m_names;
    std::vector<std::uint32_t> m_nameStarts;  // one more than there are files
    std::vector<std::uint32_t> m_sizes;
    std::vector<std::uint32_t> m_folderOf;
    std::vector<std::string> m_folders;
    std::vector<std::pair<std::uint32_t, TextList>> m_fileCategories;  // by entry, ascending
};

// The discs of a catalogue in catalogue order, as one search sees them; shared whole by the
// searches that start while the catalogue stays as it is.
using DiscSnapshots = std::vector<std::shared_ptr<const DiscSnapshot>>;
using CatalogueSnapshot = std::shared_ptr<const DiscSnapshots>;

}  // namespace vorlix
