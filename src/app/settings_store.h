#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix {

// Typed values under registry-style keys. A missing or unreadable value reads as 0 or empty
// text and is never reported; a flag is on only when its number is 1.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::uint32_t readNumber(std::string_view key, std::string_view name) const = 0;
    // Texts whose stored form does not fit in `limit` bytes with a terminator read as empty.
    virtual std::string readText(std::string_view key, std::string_view name,
                                 std::size_t limit) const = 0;
    virtual void writeNumber(std::string_view key, std::string_view name, std::uint32_t value) = 0;
    virtual void writeText(std::string_view key, std::string_view name, std::string_view value) = 0;
};

}  // namespace vorlix
