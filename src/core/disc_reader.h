#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/disc.h"
#include "core/disc_visitor.h"
#include "core/entry_blocks.h"

namespace vorlix {

class ArchiveReader;

// Reads disc records with their file entries from an archive. Its buffers serve one disc after
// the other, so that a disc allocates only what it keeps: the record, and one block for its
// entries and their texts. A catalogue holds millions of entries, nearly all of them short
// plain texts, which are handed on straight from the archive's buffer.
class DiscReader {
public:
    // Takes up from where the reader stands, which may be after discs that others read.
    explicit DiscReader(ArchiveReader& reader);

    std::unique_ptr<CQXDisc> read();
    // Reads a disc with every check that read() makes and hands it to the visitor instead.
    void visit(DiscVisitor& visitor);
    // Goes over a disc with every check that read() makes and keeps nothing of it.
    void skip();

private:
    // The schema of the next disc, which must be one this reader knows.
    std::uint16_t readSchema();
    void readEntries(FileEntrySink& sink);
    // Hands on entries of the usual form, up to `most` of them, as long as they follow one
    // another in the buffer: a short known-class reference, four plain ASCII texts shorter
    // than 128 bytes and no categories. Returns how many; 0 when the next entry is another.
    std::uint32_t readPlainEntries(FileEntrySink& sink, std::uint32_t most);
    void readEntry(FileEntrySink& sink);
    void readDiscTexts(std::uint16_t schema, CQXDisc& disc);
    void skipEntries(std::uint32_t count);
    // Goes over entries of the usual form (of any texts with one-byte lengths) in the same
    // way; returns how many.
    std::uint32_t skipPlainEntries(std::uint32_t most);
    // Hands each entry of the usual form, up to `most`, that the buffer holds in a row to
    // `take` with its bytes, as long as `take` accepts it; steps over the entries taken and
    // returns how many.
    template <typename Take>
    std::uint32_t takePlainEntries(std::uint32_t most, Take take);
    // The first file entry of the archive describes its class; the later ones refer to it.
    void noteEntryClass();

    ArchiveReader& m_reader;
    EntryBlocks m_blocks;
    CQXDisc m_visited;
    std::uint16_t m_entryWord = 0;  // the short reference of a further file entry, once known
    std::string m_text;
    // The texts of the disc being read, which all stay valid until the disc takes them.
    std::array<std::string, DiscTexts::kTextCount> m_discTexts;
    std::string m_name, m_folder, m_size, m_drive;
    TextList m_categories;
    TextList m_noCategories;  // stays empty: what an entry of the usual form has
};

}  // namespace vorlix
