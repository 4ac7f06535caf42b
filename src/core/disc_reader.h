#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/disc.h"

namespace vorlix {

class ArchiveReader;

// Reads disc records with their file entries from an archive. Its buffers serve one disc after
// the other, so that a disc allocates only what it keeps: the record, and one block for its
// entries and their texts. A catalogue holds millions of entries, nearly all of them short
// plain texts, which are taken straight from the archive's buffer.
class DiscReader {
public:
    explicit DiscReader(ArchiveReader& reader) : m_reader(reader) {}

    std::unique_ptr<CQXDisc> read();
    // Goes over a disc with every check that read() makes and keeps nothing of it.
    void skip();

private:
    // The texts of the entries being read, laid out as CQXFileData reads its blocks.
    class Blocks {
    public:
        void clear() { m_size = 0; }
        std::size_t size() const { return m_size; }
        std::string_view bytes() const { return {m_data.data(), m_size}; }
        const char* at(std::size_t offset) const { return m_data.data() + offset; }
        // Room for n more bytes; the caller writes them and hands the count to commit().
        char* room(std::size_t n);
        void commit(std::size_t n) { m_size += n; }
        void append(std::string_view bytes);
        void appendPacked(std::string_view text);
        // Blocks start at even offsets, which leaves CQXFileData the low bit of a pointer.
        void endBlock();

    private:
        std::vector<char> m_data;
        std::size_t m_size = 0;
    };

    void readEntries(std::uint32_t count, FileEntries& files);
    void skipEntries(std::uint32_t count);
    // Takes an entry whose reference and four texts are short plain texts in the buffer;
    // returns false, having taken nothing, for any other.
    bool readPlainEntry(FileEntries::ReadEntry& entry);
    void readEntry(FileEntries::ReadEntry& entry);
    // The place block for folder and drive: the one before when they are the same.
    std::size_t placeBlock(std::string_view folder, std::string_view drive);
    void readEntryCategories(FileEntries::ReadEntry& entry);

    ArchiveReader& m_reader;
    Blocks m_blocks;
    std::vector<FileEntries::ReadEntry> m_entries;
    std::size_t m_place = FileEntries::ReadEntry::kNoBlock;
    std::uint16_t m_entryWord = 0;  // the short reference of a further file entry, once known
    std::string m_text, m_nextFolder;
    std::string m_folder, m_drive;  // the texts of the place block at m_place
};

}  // namespace vorlix
