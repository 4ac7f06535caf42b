#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix::test {

// Builds archive bytes by hand, item by item, so that tests state the expected layout.
class ArchiveBytes {
public:
    ArchiveBytes& byte(std::uint8_t v) {
        m_bytes.push_back(static_cast<char>(v));
        return *this;
    }
    ArchiveBytes& word(std::uint16_t v) { return byte(v & 0xFF).byte(v >> 8); }
    ArchiveBytes& dword(std::uint32_t v) { return word(v & 0xFFFF).word(v >> 16); }
    ArchiveBytes& raw(std::string_view bytes) {
        m_bytes.append(bytes);
        return *this;
    }
    // A short text (below 255 bytes) with its one-byte prefix.
    ArchiveBytes& text(std::string_view bytes) {
        return byte(static_cast<std::uint8_t>(bytes.size())).raw(bytes);
    }
    ArchiveBytes& newClass(std::string_view name, std::uint16_t schema) {
        return word(0xFFFF).word(schema).word(static_cast<std::uint16_t>(name.size())).raw(name);
    }
    const std::string& str() const { return m_bytes; }
    operator const std::string&() const { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace vorlix::test
