#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/compact_text.h"
#include "core/text_list.h"

namespace vorlix {

// A text-keyed map that remembers the order in which keys were first inserted; replacing the
// value of a present key keeps its place. The file writer derives the stored order from it.
// The entries sit in one block, in their order, followed by an open-addressing table of their
// positions once there are more than a few: reading a map of a million keys stays linear, and a
// map of one entry costs about what it takes in the file, since a file can hold millions of
// small maps. An empty map is a null pointer.
template <typename Value>
class InsertionOrderedMap {
public:
    using Entry = std::pair<CompactText, Value>;

    InsertionOrderedMap() = default;
    InsertionOrderedMap(const InsertionOrderedMap& other) {
        reserve(other.size());
        for (const Entry& entry : other.entries()) {
            append(entry.first, entry.second);
        }
    }
    InsertionOrderedMap& operator=(const InsertionOrderedMap& other) {
        if (this != &other) {
            InsertionOrderedMap copy(other);
            std::swap(m_block, copy.m_block);
        }
        return *this;
    }
    InsertionOrderedMap(InsertionOrderedMap&& other) noexcept
        : m_block(std::exchange(other.m_block, nullptr)) {}
    InsertionOrderedMap& operator=(InsertionOrderedMap&& other) noexcept {
        if (this != &other) {
            release();
            m_block = std::exchange(other.m_block, nullptr);
        }
        return *this;
    }
    ~InsertionOrderedMap() { release(); }

    Value* find(std::string_view key) {
        const std::size_t index = indexOf(key);
        return index == kAbsent ? nullptr : &data()[index].second;
    }
    const Value* find(std::string_view key) const {
        return const_cast<InsertionOrderedMap*>(this)->find(key);
    }
    void set(std::string_view key, Value value) {
        if (Value* present = find(key)) {
            *present = std::move(value);
            return;
        }
        if (size() == capacity()) {
            regrow(std::max<std::size_t>(1, 2 * capacity()));
        }
        append(key, std::move(value));
    }
    bool remove(std::string_view key) {
        const std::size_t index = indexOf(key);
        if (index == kAbsent) {
            return false;
        }
        Entry* entries = data();
        std::move(entries + index + 1, entries + size(), entries + index);
        std::destroy_at(entries + size() - 1);
        --m_block->size;
        rebuildSlots();
        return true;
    }
    // Room for `count` entries in all, for a reader that knows how many follow.
    void reserve(std::size_t count) {
        if (count > capacity()) {
            regrow(count);
        }
    }
    // Gives back room kept for entries that did not come (a file that repeats its keys).
    void shrinkToFit() {
        if (empty()) {
            release();
        } else if (size() < capacity()) {
            regrow(size());
        }
    }
    bool empty() const { return size() == 0; }
    std::size_t size() const { return m_block ? m_block->size : 0; }
    std::span<const Entry> entries() const { return {data(), size()}; }

private:
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
    static constexpr std::uint32_t kEmptySlot = static_cast<std::uint32_t>(-1);
    // Up to this many entries a lookup compares them all, which needs no table.
    static constexpr std::size_t kLinearLimit = 8;

    // The start of the block: `capacity` entries follow, then slotCount(capacity) slots.
    struct Header {
        std::uint32_t size;
        std::uint32_t capacity;
    };
    static_assert(alignof(Entry) <= sizeof(Header));

    // At most two thirds of the slots are in use, which keeps probe runs short.
    static std::size_t slotCount(std::size_t capacity) {
        return capacity <= kLinearLimit ? 0 : capacity + capacity / 2 + 1;
    }
    static std::size_t blockSize(std::size_t capacity) {
        return sizeof(Header) + capacity * sizeof(Entry) +
               slotCount(capacity) * sizeof(std::uint32_t);
    }

    std::size_t capacity() const { return m_block ? m_block->capacity : 0; }
    Entry* data() const { return m_block ? reinterpret_cast<Entry*>(m_block + 1) : nullptr; }
    std::uint32_t* slots() const { return reinterpret_cast<std::uint32_t*>(data() + capacity()); }

    // The slot that holds key's entry, or the empty slot where it would go.
    std::size_t slotOf(std::string_view key) const {
        const std::size_t count = slotCount(capacity());
        const std::uint32_t* table = slots();
        // The hash's top half scaled to the table, which need not be a power of two.
        const std::uint64_t hash = std::hash<std::string_view>{}(key);
        std::size_t slot = static_cast<std::size_t>(((hash >> 32) * count) >> 32);
        while (table[slot] != kEmptySlot && data()[table[slot]].first.view() != key) {
            slot = slot + 1 == count ? 0 : slot + 1;
        }
        return slot;
    }
    std::size_t indexOf(std::string_view key) const {
        if (capacity() <= kLinearLimit) {
            for (std::size_t i = 0; i < size(); ++i) {
                if (data()[i].first.view() == key) {
                    return i;
                }
            }
            return kAbsent;
        }
        const std::uint32_t index = slots()[slotOf(key)];
        return index == kEmptySlot ? kAbsent : index;
    }
    // Adds an entry for an absent key; there is room for it.
    template <typename V>
    void append(std::string_view key, V&& value) {
        const std::size_t index = size();
        new (data() + index) Entry(CompactText(key), std::forward<V>(value));
        ++m_block->size;
        if (slotCount(capacity()) > 0) {
            slots()[slotOf(key)] = static_cast<std::uint32_t>(index);
        }
    }
    // Moves the entries into a block with room for `count` of them.
    void regrow(std::size_t count) {
        auto* block = static_cast<Header*>(::operator new(blockSize(count)));
        *block = Header{0, static_cast<std::uint32_t>(count)};
        Entry* moved = reinterpret_cast<Entry*>(block + 1);
        const std::size_t n = size();
        if (m_block) {
            std::uninitialized_move(data(), data() + n, moved);
        }
        block->size = static_cast<std::uint32_t>(n);
        release();
        m_block = block;
        rebuildSlots();
    }
    void rebuildSlots() {
        const std::size_t count = slotCount(capacity());
        if (count == 0) {
            return;
        }
        std::uint32_t* table = slots();
        std::fill(table, table + count, kEmptySlot);
        for (std::size_t i = 0; i < size(); ++i) {
            table[slotOf(data()[i].first.view())] = static_cast<std::uint32_t>(i);
        }
    }
    void release() {
        if (m_block) {
            std::destroy(data(), data() + size());
            ::operator delete(m_block);
            m_block = nullptr;
        }
    }

    Header* m_block = nullptr;
};

using StringMap = InsertionOrderedMap<CompactText>;

struct StringList {
    TextList items;
};

struct ByteArray {
    std::vector<std::uint8_t> bytes;
};

// History lists ("SearchCombo", "LendCombo"), the freedb settings ("CDDB") and cover pictures
// ("CD" + disc number) of a catalogue.
using NamedObject = std::variant<StringList, StringMap, ByteArray>;
using NamedObjects = InsertionOrderedMap<NamedObject>;

// The bucket of a key in a 17-bucket table hashed over its stored bytes; maps written by the
// catalogue format list their entries bucket by bucket, newest first within a bucket.
std::uint32_t hashBucket(std::string_view storedKey);
constexpr std::uint32_t kHashBuckets = 17;

// Entry indices of the map in the order the file lists them, given each key's stored bytes.
std::vector<std::size_t> storedOrder(const std::vector<std::string>& storedKeys);

}  // namespace vorlix
