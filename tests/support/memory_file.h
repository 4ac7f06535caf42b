#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/disc_volume.h"

namespace vorlix::test {

// Bytes held in memory, read and sought like a file on a disc. The bytes must outlive it.
class MemoryFile final : public VolumeFile {
public:
    explicit MemoryFile(std::string_view bytes) : m_bytes(bytes) {}

    std::uint64_t size() const override { return m_bytes.size(); }
    std::optional<std::size_t> read(char* destination, std::size_t n) override {
        const std::size_t count = std::min(n, m_bytes.size() - m_position);
        std::copy_n(m_bytes.data() + m_position, count, destination);
        m_position += count;
        return count;
    }
    bool seek(std::uint64_t position) override {
        if (position > m_bytes.size()) {
            return false;
        }
        m_position = static_cast<std::size_t>(position);
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

}  // namespace vorlix::test
