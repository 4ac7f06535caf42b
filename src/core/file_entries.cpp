#include "core/file_entries.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>
#include <utility>

#include "core/packed_text.h"

namespace vorlix {

namespace {

constexpr std::size_t kFirstRunSize = 16;

// The texts packed into the arena at an even address, as CQXFileData wants its blocks.
const char* packedBlock(TextArena& arena, std::initializer_list<std::string_view> texts) {
    std::size_t size = 0;
    for (std::string_view text : texts) {
        size += packed_text::storedSize(text);
    }
    char* block = arena.allocate(size + size % 2);
    char* out = block;
    for (std::string_view text : texts) {
        out = packed_text::put(out, text);
    }
    return block;
}

}  // namespace

FileEntries::FileEntries(FileEntries&& other) noexcept
    : m_head(std::exchange(other.m_head, nullptr)) {}

FileEntries& FileEntries::operator=(FileEntries&& other) noexcept {
    if (this != &other) {
        clear();
        m_head = std::exchange(other.m_head, nullptr);
    }
    return *this;
}

void FileEntries::clear() {
    if (!m_head) {
        return;
    }
    CQXFileData* entries = m_head->entries();
    std::destroy(entries, entries + m_head->count);
    delete m_head->tail;
    ::operator delete(m_head);
    m_head = nullptr;
}

std::size_t FileEntries::size() const {
    if (!m_head) {
        return 0;
    }
    return m_head->count + (m_head->tail ? m_head->tail->size : 0);
}

std::pair<CQXFileData*, CQXFileData*> FileEntries::segmentOf(const Head* head,
                                                             std::size_t segment) {
    if (segment == 0) {
        return {head->entries(), head->entries() + head->count};
    }
    auto& run = head->tail->runs[segment - 1];
    return {run.data(), run.data() + run.size()};
}

CQXFileData& FileEntries::operator[](std::size_t index) {
    return const_cast<CQXFileData&>(std::as_const(*this)[index]);
}

const CQXFileData& FileEntries::operator[](std::size_t index) const {
    if (index < m_head->count) {
        return m_head->entries()[index];
    }
    index -= m_head->count;
    for (const auto& run : m_head->tail->runs) {
        if (index < run.size()) {
            return run[index];
        }
        index -= run.size();
    }
    return m_head->tail->runs.back()[index];
}

FileEntries::iterator FileEntries::at(std::size_t index) {
    for (std::size_t segment = 0; m_head && segment < segmentCount(m_head); ++segment) {
        const auto [first, last] = segmentOf(m_head, segment);
        const auto length = static_cast<std::size_t>(last - first);
        if (index < length) {
            return iterator(m_head, segment, index);
        }
        index -= length;
    }
    return end();
}

FileEntries::Tail& FileEntries::tail() {
    if (!m_head) {
        m_head = new (::operator new(sizeof(Head))) Head;
    }
    if (!m_head->tail) {
        m_head->tail = new Tail;
    }
    return *m_head->tail;
}

void FileEntries::reserve(std::size_t count) {
    const std::size_t held = size();
    if (count <= held) {
        return;
    }
    Tail& t = tail();
    if (!t.runs.empty() && t.runs.back().capacity() - t.runs.back().size() >= count - held) {
        return;
    }
    t.runs.emplace_back().reserve(count - held);
}

std::vector<CQXFileData>& FileEntries::openRun() {
    Tail& t = tail();
    if (t.runs.empty() || t.runs.back().size() == t.runs.back().capacity()) {
        t.runs.emplace_back().reserve(std::max(kFirstRunSize, size()));
    }
    ++t.size;
    return t.runs.back();
}

CQXFileData& FileEntries::emplace_back(std::string_view name, std::string_view folder,
                                       std::string_view size, std::string_view drive,
                                       std::string_view discNumber) {
    Tail& t = tail();
    const char* own = nullptr;
    if (!name.empty() || !size.empty() || !discNumber.empty()) {
        own = packedBlock(t.arena, {name, size, discNumber});
    }
    if (folder.empty() && drive.empty()) {
        t.lastPlace = nullptr;
    } else {
        const CQXFileData last(nullptr, t.lastPlace);
        if (!t.lastPlace || last.folder() != folder || last.drive() != drive) {
            t.lastPlace = packedBlock(t.arena, {folder, drive});
        }
    }
    return openRun().emplace_back(own, t.lastPlace);
}

CQXFileData& FileEntries::push_back(CQXFileData entry) {
    return openRun().emplace_back(std::move(entry));
}

void FileEntries::appendRead(std::string_view blocks, std::vector<ReadEntry>& entries) {
    if (entries.empty()) {
        return;
    }
    char* base = nullptr;
    CQXFileData* out = nullptr;
    if (!m_head) {
        // The usual case: a new list gets one block holding the entries and then their texts.
        const std::size_t entryBytes = sizeof(Head) + entries.size() * sizeof(CQXFileData);
        char* block = static_cast<char*>(::operator new(entryBytes + blocks.size()));
        m_head = new (block) Head;
        out = m_head->entries();
        base = block + entryBytes;
    } else {
        Tail& t = tail();
        t.runs.emplace_back().reserve(entries.size());
        base = blocks.empty() ? nullptr : t.arena.allocateExact(blocks.size());
    }
    if (!blocks.empty()) {
        std::memcpy(base, blocks.data(), blocks.size());
    }
    auto at = [base](std::size_t offset) {
        return offset == ReadEntry::kNoBlock ? nullptr : base + offset;
    };
    for (ReadEntry& read : entries) {
        CQXFileData* entry = nullptr;
        if (out) {
            entry = new (out++) CQXFileData(at(read.own), at(read.place));
            ++m_head->count;
        } else {
            entry = &m_head->tail->runs.back().emplace_back(at(read.own), at(read.place));
            ++m_head->tail->size;
        }
        if (!read.categories.empty()) {
            entry->setCategories(std::move(read.categories));
        }
    }
}

}  // namespace vorlix
