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
// lists (the current disc, search results, playlists, copy tasks) point at it. Entries sit in
// a few large runs rather than one allocation each, and the texts of entries made here sit in
// the list's own storage, with neighbours in one folder sharing the folder's text: a list of a
// million entries is a handful of allocations.
class FileEntries {
    template <typename Entry>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CQXFileData;
        using difference_type = std::ptrdiff_t;
        using pointer = Entry*;
        using reference = Entry&;

        Iterator() = default;
        Iterator(const std::vector<std::vector<CQXFileData>>* runs, std::size_t run,
                 std::size_t index)
            : m_runs(runs), m_run(run), m_index(index) {
            skipEmptyRuns();
        }
        reference operator*() const { return const_cast<Entry&>((*m_runs)[m_run][m_index]); }
        pointer operator->() const { return &**this; }
        Iterator& operator++() {
            ++m_index;
            skipEmptyRuns();
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const {
            return m_run == other.m_run && m_index == other.m_index;
        }

    private:
        void skipEmptyRuns() {
            while (m_runs && m_run < m_runs->size() && m_index == (*m_runs)[m_run].size()) {
                ++m_run;
                m_index = 0;
            }
        }

        const std::vector<std::vector<CQXFileData>>* m_runs = nullptr;
        std::size_t m_run = 0;
        std::size_t m_index = 0;
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
    FileEntries(FileEntries&&) noexcept = default;
    FileEntries& operator=(FileEntries&&) noexcept = default;
    ~FileEntries();

    std::size_t size() const { return m_storage ? m_storage->size : 0; }
    bool empty() const { return size() == 0; }
    CQXFileData& operator[](std::size_t index);
    const CQXFileData& operator[](std::size_t index) const;
    CQXFileData& front() { return (*this)[0]; }
    const CQXFileData& front() const { return (*this)[0]; }
    CQXFileData& back() { return (*this)[size() - 1]; }
    const CQXFileData& back() const { return (*this)[size() - 1]; }
    iterator begin() { return iterator(runs(), 0, 0); }
    iterator end() { return iterator(runs(), runCount(), 0); }
    const_iterator begin() const { return const_iterator(runs(), 0, 0); }
    const_iterator end() const { return const_iterator(runs(), runCount(), 0); }

    // Makes room for at least `count` entries in all, in one run.
    void reserve(std::size_t count);
    // Adds an entry whose texts the list keeps.
    CQXFileData& emplace_back(std::string_view name, std::string_view folder, std::string_view size,
                              std::string_view drive, std::string_view discNumber = {});
    CQXFileData& push_back(CQXFileData entry);
    // Adds the entries read from a file; takes their category lists.
    void appendRead(std::string_view blocks, std::vector<ReadEntry>& entries);
    void clear() { m_storage.reset(); }

private:
    struct Storage {
        TextArena arena;
        std::vector<std::vector<CQXFileData>> runs;
        std::size_t size = 0;
        const char* lastPlace = nullptr;  // the place block of the newest entry made here
    };

    const std::vector<std::vector<CQXFileData>>* runs() const {
        return m_storage ? &m_storage->runs : nullptr;
    }
    std::size_t runCount() const { return m_storage ? m_storage->runs.size() : 0; }
    Storage& storage();
    // The run the next entry goes into, with room for it.
    std::vector<CQXFileData>& openRun();

    std::unique_ptr<Storage> m_storage;
};

}  // namespace vorlix
