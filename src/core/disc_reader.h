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
    // Hands on an entry of the usual form: a short known-class reference, four plain ASCII
    // texts shorter than 128 bytes and no categories, whole in the buffer. Returns false,
    // having taken nothing, for any other.
    bool readPlainEntry(FileEntrySink& sink);
    void readEntry(FileEntrySink& sink);
    void readDiscTexts(std::uint16_t schema, CQXDisc& disc);
    void skipEntries(std::uint32_t count);
    // Goes over as many entries of the usual form as the buffer holds, up to `most`; returns
    // how many.
    std::uint32_t skipPlainEntries(std::uint32_t most);
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
