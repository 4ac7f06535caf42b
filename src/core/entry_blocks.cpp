#include "core/entry_blocks.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/packed_text.h"

namespace vorlix {

namespace {

using ReadEntry = FileEntries::ReadEntry;

// Every entry read from a file holds the disc number "0".
constexpr std::string_view kStoredDiscNumber = "0";

}  // namespace

void EntryBlocks::begin(std::uint32_t count) {
    m_size = 0;
    m_entries.clear();
    m_entries.reserve(count);
    m_place = ReadEntry::kNoBlock;
    m_folder.clear();
    m_drive.clear();
}

char* EntryBlocks::room(std::size_t n) {
    if (m_data.size() - m_size < n) {
        m_data.resize(std::max(2 * m_data.size(), m_size + n));
    }
    return m_data.data() + m_size;
}

void EntryBlocks::put(std::string_view text) {
    char* start = room(packed_text::storedSize(text));
    commit(static_cast<std::size_t>(packed_text::put(start, text) - start));
}

void EntryBlocks::endBlock() {
    if (m_size % 2 != 0) {
        *room(1) = '\0';
        commit(1);
    }
}

void EntryBlocks::entry(std::string_view name, std::string_view folder, std::string_view size,
                        std::string_view drive, TextList& categories) {
    ReadEntry& entry = m_entries.emplace_back();
    entry.own = m_size;
    const std::size_t stored = packed_text::storedSize(name) + packed_text::storedSize(size) +
                               packed_text::storedSize(kStoredDiscNumber);
    char* out = room(stored + 1);
    out = packed_text::put(out, name);
    out = packed_text::put(out, size);
    out = packed_text::put(out, kStoredDiscNumber);
    commit(stored);
    endBlock();
    entry.place = placeBlock(folder, drive);
    if (!categories.empty()) {
        entry.categories = std::move(categories);
    }
}

std::size_t EntryBlocks::placeBlock(std::string_view folder, std::string_view drive) {
    if (folder == m_folder && drive == m_drive) {
        return m_place;
    }
    m_folder.assign(folder);
    m_drive.assign(drive);
    m_place = ReadEntry::kNoBlock;
    if (!folder.empty() || !drive.empty()) {
        m_place = m_size;
        put(folder);
        put(drive);
        endBlock();
    }
    return m_place;
}

void EntryBlocks::moveInto(FileEntries& files) {
    files.appendRead(std::string_view(m_data.data(), m_size), m_entries);
}

}  // namespace vorlix
