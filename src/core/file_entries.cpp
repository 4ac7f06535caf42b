#include "core/file_entries.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
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

FileEntries::~FileEntries() = default;

FileEntries::Storage& FileEntries::storage() {
    if (!m_storage) {
        m_storage = std::make_unique<Storage>();
    }
    return *m_storage;
}

CQXFileData& FileEntries::operator[](std::size_t index) {
    return const_cast<CQXFileData&>(std::as_const(*this)[index]);
}

const CQXFileData& FileEntries::operator[](std::size_t index) const {
    for (const auto& run : m_storage->runs) {
        if (index < run.size()) {
            return run[index];
        }
        index -= run.size();
    }
    return m_storage->runs.back()[index];
}

void FileEntries::reserve(std::size_t count) {
    if (count <= size()) {
        return;
    }
    Storage& s = storage();
    if (!s.runs.empty() && s.runs.back().capacity() >= s.runs.back().size() + count - s.size) {
        return;
    }
    s.runs.emplace_back().reserve(count - s.size);
}

std::vector<CQXFileData>& FileEntries::openRun() {
    Storage& s = storage();
    if (s.runs.empty() || s.runs.back().size() == s.runs.back().capacity()) {
        s.runs.emplace_back().reserve(std::max(kFirstRunSize, s.size));
    }
    ++s.size;
    return s.runs.back();
}

CQXFileData& FileEntries::emplace_back(std::string_view name, std::string_view folder,
                                       std::string_view size, std::string_view drive,
                                       std::string_view discNumber) {
    Storage& s = storage();
    const char* own = nullptr;
    if (!name.empty() || !size.empty() || !discNumber.empty()) {
        own = packedBlock(s.arena, {name, size, discNumber});
    }
    if (folder.empty() && drive.empty()) {
        s.lastPlace = nullptr;
    } else {
        const CQXFileData last(nullptr, s.lastPlace);
        if (!s.lastPlace || last.folder() != folder || last.drive() != drive) {
            s.lastPlace = packedBlock(s.arena, {folder, drive});
        }
    }
    return openRun().emplace_back(own, s.lastPlace);
}

CQXFileData& FileEntries::push_back(CQXFileData entry) {
    return openRun().emplace_back(std::move(entry));
}

void FileEntries::appendRead(std::string_view blocks, std::vector<ReadEntry>& entries) {
    if (entries.empty()) {
        return;
    }
    reserve(size() + entries.size());
    Storage& s = storage();
    char* base = nullptr;
    if (!blocks.empty()) {
        base = s.arena.allocateExact(blocks.size());
        std::memcpy(base, blocks.data(), blocks.size());
    }
    auto at = [base](std::size_t offset) {
        return offset == ReadEntry::kNoBlock ? nullptr : base + offset;
    };
    std::vector<CQXFileData>& run = s.runs.back();
    for (ReadEntry& read : entries) {
        CQXFileData& entry = run.emplace_back(at(read.own), at(read.place));
        if (!read.categories.empty()) {
            entry.setCategories(std::move(read.categories));
        }
    }
    s.size += entries.size();
}

}  // namespace vorlix
