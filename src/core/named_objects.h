#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vorlix {

// A text-keyed map that remembers the order in which keys were first inserted; replacing the
// value of a present key keeps its place. The file writer derives the stored order from it.
template <typename Value>
class InsertionOrderedMap {
public:
    using Entry = std::pair<std::string, Value>;

    Value* find(std::string_view key) {
        for (auto& entry : m_entries) {
            if (entry.first == key) {
                return &entry.second;
            }
        }
        return nullptr;
    }
    const Value* find(std::string_view key) const {
        return const_cast<InsertionOrderedMap*>(this)->find(key);
    }
    void set(std::string_view key, Value value) {
        if (Value* present = find(key)) {
            *present = std::move(value);
        } else {
            m_entries.emplace_back(std::string(key), std::move(value));
        }
    }
    bool remove(std::string_view key) {
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->first == key) {
                m_entries.erase(it);
                return true;
            }
        }
        return false;
    }
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

using StringMap = InsertionOrderedMap<std::string>;

struct StringList {
    std::vector<std::string> items;
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
