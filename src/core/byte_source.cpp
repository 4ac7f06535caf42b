#include "core/byte_source.h"

#include <algorithm>
#include <cstring>

namespace vorlix {

std::size_t MemorySource::read(char* destination, std::size_t n) {
    const std::size_t count = std::min(n, m_bytes.size() - m_position);
    if (count > 0) {
        std::memcpy(destination, m_bytes.data() + m_position, count);
    }
    m_position += count;
    return count;
}

}  // namespace vorlix
