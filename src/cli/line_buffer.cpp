#include "cli/line_buffer.h"

#include <algorithm>

namespace vorlix {

char* LineBuffer::grow(std::size_t n) {
    const std::size_t capacity = std::max({std::size_t{1} << 16, 2 * m_capacity, m_size + n});
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    if (m_size > 0) {
        std::memcpy(larger.get(), m_data.get(), m_size);
    }
    m_data = std::move(larger);
    m_capacity = capacity;
    return m_data.get() + m_size;
}

}  // namespace vorlix
