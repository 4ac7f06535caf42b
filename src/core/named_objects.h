#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/text_list.h"

namespace vorlix {

// A text-keyed map that remembers the order in which keys were first inserted; replacing the
// value of a present key keeps its place. The file writer derives the stored order from it.
// Lookups go through an open-addressing table of entry positions, so reading a map of a
// million keys stays linear while the entries themselves keep their exact order.
template <typename Value>
class InsertionOrderedMap {
public:
    using Entry = std::pair<std::string, Value>;

    Value* find(std::string_view key) {
        const std::size_t slot = slotOf(key);
        return m_slots.empty() || m_slots[slot] == kEmptySlot ? nullptr
                                                              : &m_entries[m_slots[slot]].second;
    }
    const Value* find(std::string_view key) const {
        return const_cast<InsertionOrderedMap*>(this)->find(key);
    }
    void set(std::string_view key, Value value) {
        if (Value* present = find(key)) {
            *present = std::move(value);
            return;
        }
        m_entries.emplace_back(std::string(key), std::move(value));
        if (2 * m_entries.size() > m_slots.size()) {
            rebuildIndex();
        } else {
            m_slots[slotOf(key)] = m_entries.size() - 1;
        }
    }
    bool remove(std::string_view key) {
        if (find(key) == nullptr) {
            return false;
        }
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_slots[slotOf(key)]));
        rebuildIndex();
        return true;
    }
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    static constexpr std::size_t kEmptySlot = static_cast<std::size_t>(-1);

    // The slot that holds key's entry, or the empty slot where it would go.
    std::size_t slotOf(std::string_view key) const {
        if (m_slots.empty()) {
            return 0;
        }
        const std::size_t mask = m_slots.size() - 1;
        std::size_t slot = std::hash<std::string_view>{}(key)&mask;
        while (m_slots[slot] != kEmptySlot && m_entries[m_slots[slot]].first != key) {
            slot = (slot + 1) & mask;
        }
        return slot;
    }
    void rebuildIndex() {
        std::size_t capacity = 16;
        while (capacity < 2 * m_entries.size()) {
            capacity *= 2;
        }
        m_slots.assign(capacity, kEmptySlot);
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            m_slots[slotOf(m_entries[i].first)] = i;
        }
    }

    std::vector<Entry> m_entries;
    std::vector<std::size_t> m_slots;
};

using StringMap = InsertionOrderedMap<std::string>;

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
