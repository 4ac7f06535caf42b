#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix {

// Typed values under registry-style keys. A missing or unreadable value reads as 0 or empty
// text and is never reported; a flag is on only when its number is 1. Writes go only into keys
// that exist: a write into a missing key is lost, as the registry's open-then-write would lose
// it. Keys come into being through createKey (the installation, an import, the framework's
// profile writers).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::uint32_t readNumber(std::string_view key, std::string_view name) const = 0;
    // Texts whose stored form does not fit in `limit` bytes with a terminator read as empty.
    virtual std::string readText(std::string_view key, std::string_view name,
                                 std::size_t limit) const = 0;
    // The bytes of a binary value (a window placement record); empty when there is none.
    virtual std::string readBinary(std::string_view key, std::string_view name) const = 0;

    virtual void writeNumber(std::string_view key, std::string_view name, std::uint32_t value) = 0;
    virtual void writeText(std::string_view key, std::string_view name, std::string_view value) = 0;
    virtual void writeBinary(std::string_view key, std::string_view name,
                             std::string_view bytes) = 0;
    virtual void deleteValue(std::string_view key, std::string_view name) = 0;

    // A key exists once created, and so does every key above it.
    virtual bool keyExists(std::string_view key) const = 0;
    virtual void createKey(std::string_view key) = 0;
    // Removes the key with its values and every key below it.
    virtual void deleteKey(std::string_view key) = 0;

    // Between the two calls changes may be held back and stored together at the end, so that
    // an import of many values rewrites a backing file once. Pairs may nest. Prefer the
    // SettingsBatch guard over calling these directly.
    virtual void beginBatch() = 0;
    virtual void endBatch() = 0;
};

}  // namespace vorlix
