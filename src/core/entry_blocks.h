#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/disc_visitor.h"
#include "core/file_entries.h"

namespace vorlix {

// Gathers the entries of one disc as they are read, laid out as CQXFileData reads its blocks:
// each entry's name, size and disc number "0" in one block, and folder and drive in another
// that the entries of one folder share. The buffers serve one disc after the other, so that
// a disc gets one block of exactly the size of its entries' texts.
class EntryBlocks final : public FileEntrySink {
public:
    void begin(std::uint32_t count) override;
    void entry(std::string_view name, std::string_view folder, std::string_view size,
               std::string_view drive, TextList& categories) override;
    // Hands the entries gathered since begin() to the list.
    void moveInto(FileEntries& files);

private:
    // Room for n more bytes; the caller writes them and hands the count to commit().
    char* room(std::size_t n);
    void commit(std::size_t n) { m_size += n; }
    void put(std::string_view text);
    // Blocks start at even offsets, which leaves CQXFileData the low bit of a pointer.
    void endBlock();
    // The place block for folder and drive: the one before when they are the same.
    std::size_t placeBlock(std::string_view folder, std::string_view drive);

    std::vector<char> m_data;
    std::size_t m_size = 0;
    std::vector<FileEntries::ReadEntry> m_entries;
    std::size_t m_place = FileEntries::ReadEntry::kNoBlock;
    std::string m_folder, m_drive;  // the texts of the place block at m_place
};

}  // namespace vorlix
