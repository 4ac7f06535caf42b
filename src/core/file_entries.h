#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

#include "core/file_data.h"
#include "core/text_arena.h"

namespace vorlix {

// The file entries of one disc, in walk order. An entry never moves once added, since other
// lists (the current disc, search results, playlists, copy tasks) point at it. The entries read
// from a file sit in one block together with their texts, so that a disc costs one allocation
// of about the size it takes in the file; entries added one by one (a scan) go into a few
// growing runs, with the texts in the list's own storage and neighbours in one folder sharing
// the folder's text.
class FileEntries {
    struct Head;

    template <typename Entry>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CQXFileData;
        using difference_type = std::ptrdiff_t;
        using pointer = Entry*;
        using reference = Entry&;

        Iterator() = default;
        Iterator(const Head* head, std::size_t segment) : m_head(head), m_segment(segment) {
            enterSegment();
        }
        // At the offset-th entry of the segment, which holds more than offset entries.
        Iterator(const Head* head, std::size_t segment, std::size_t offset)
            : m_head(head), m_segment(segment) {
            const auto [first, last] = segmentOf(m_head, m_segment);
            m_at = first + offset;
            m_segmentEnd = last;
        }
        reference operator*() const { return *m_at; }
        pointer operator->() const { return m_at; }
        Iterator& operator++() {
            if (++m_at == m_segmentEnd) {
                ++m_segment;
                enterSegment();
            }
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return m_at == other.m_at; }

    private:
        // Moves to the first entry of the first non-empty segment from m_segment on; the end
        // is a null entry.
        void enterSegment() {
            m_at = nullptr;
            for (; m_head && m_segment < segmentCount(m_head); ++m_segment) {
                const auto [first, last] = segmentOf(m_head, m_segment);
                if (first != last) {
                    m_at = first;
                    m_segmentEnd = last;
                    return;
                }
            }
        }

        const Head* m_head = nullptr;
        std::size_t m_segment = 0;
        Entry* m_at = nullptr;
        Entry* m_segmentEnd = nullptr;
    };

public:
    using iterator = Iterator<CQXFileData>;
    using const_iterator = Iterator<const CQXFileData>;
    using value_type = CQXFileData;

    // Entries read from a file: each entry's blocks as offsets into one buffer that holds
    // them back to back, so that the list keeps them in one block of exactly their size.
    struct ReadEntry {
        static constexpr std::size_t kNoBlock = static_cast<std::size_t>(-1);
        std::size_t own = kNoBlock;
        std::size_t place = kNoBlock;
        TextList categories;
    };

    FileEntries() = default;
    FileEntries(FileEntries&& other) noexcept;
    FileEntries& operator=(FileEntries&& other) noexcept;
    ~FileEntries() { clear(); }

    std::size_t size() const;
    bool empty() const { return size() == 0; }
    CQXFileData& operator[](std::size_t index);
    const CQXFileData& operator[](std::size_t index) const;
    CQXFileData& front() { return *begin(); }
    const CQXFileData& front() const { return *begin(); }
    CQXFileData& back() { return (*this)[size() - 1]; }
    const CQXFileData& back() const { return (*this)[size() - 1]; }
    iterator begin() { return iterator(m_head, 0); }
    iterator end() { return iterator(); }
    // The entry at index (at most size()) and those after it.
    iterator at(std::size_t index);
    const_iterator begin() const { return const_iterator(m_head, 0); }
    const_iterator end() const { return const_iterator(); }

    // Makes room for at least `count` entries in all, in one run.
    void reserve(std::size_t count);
    // Adds an entry whose texts the list keeps.
    CQXFileData& emplace_back(std::string_view name, std::string_view folder, std::string_view size,
                              std::string_view drive, std::string_view discNumber = {});
    CQXFileData& push_back(CQXFileData entry);
    // Adds the entries read from a file; takes their category lists.
    void appendRead(std::string_view blocks, std::vector<ReadEntry>& entries);
    void clear();
    // Removes the entries `removes` picks and returns how many went. The kept entries are
    // copied into a new list, so every entry moves: callers drop what pointed into the list.
    template <typename Predicate>
    std::size_t removeIf(Predicate removes) {
        FileEntries kept;
        std::size_t removed = 0;
        for (const CQXFileData& entry : *this) {
            if (removes(entry)) {
                ++removed;
                continue;
            }
            const auto [name, folder, size, drive, discNumber] = entry.fields();
            kept.emplace_back(name, folder, size, drive, discNumber)
                .setCategories(entry.categories());
        }
        if (removed > 0) {
            *this = std::move(kept);
        }
        return removed;
    }

private:
    // Entries added after the first block, one growing run after another.
    struct Tail {
        std::vector<std::vector<CQXFileData>> runs;
        TextArena arena;
        std::size_t size = 0;
        const char* lastPlace = nullptr;  // the place block of the newest entry made here
    };
    // The start of the list's one block: `count` entries follow it, then the texts of the
    // entries that were read from a file.
    struct Head {
        std::size_t count = 0;
        Tail* tail = nullptr;
        CQXFileData* entries() const {
            return reinterpret_cast<CQXFileData*>(const_cast<Head*>(this) + 1);
        }
    };
    static_assert(sizeof(Head) % alignof(CQXFileData) == 0);

    // Segment 0 is the first block's entries, segment i the tail's run i - 1.
    static std::size_t segmentCount(const Head* head) {
        return 1 + (head->tail ? head->tail->runs.size() : 0);
    }
    static std::pair<CQXFileData*, CQXFileData*> segmentOf(const Head* head, std::size_t segment);

    Tail& tail();
    // The run the next entry goes into, with room for it.
    std::vector<CQXFileData>& openRun();

    Head* m_head = nullptr;
};

}  // namespace vorlix
