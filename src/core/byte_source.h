#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorlix {

// Where an archive reader takes its bytes from; the total size is known up front so that no
// count in a file can make the reader allocate more than the file holds.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to n bytes; returns how many, 0 at the end. Throws std::runtime_error on I/O
    // failure.
    virtual std::size_t read(char* destination, std::size_t n) = 0;
    virtual std::uint64_t size() const = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
    // The bytes from `from` on, for a reader that goes on from there.
    MemorySource(std::string_view bytes, std::size_t from)
        : m_bytes(bytes), m_position(std::min(from, bytes.size())) {}
    std::size_t read(char* destination, std::size_t n) override;
    std::uint64_t size() const override { return m_bytes.size(); }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

}  // namespace vorlix
