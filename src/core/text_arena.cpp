#include "core/text_arena.h"

#include <algorithm>

namespace vorlix {

namespace {

constexpr std::size_t kFirstBlockSize = 256;
constexpr std::size_t kLargestBlockSize = 64 * 1024;

}  // namespace

char* TextArena::allocateExact(std::size_t n) {
    m_blocks.push_back(std::make_unique_for_overwrite<char[]>(n));
    m_held += n;
    return m_blocks.back().get();
}

char* TextArena::allocate(std::size_t n) {
    if (n > kLargestBlockSize / 4) {
        // A large text gets a block of its own, so that the current block is not wasted.
        return allocateExact(n);
    }
    if (n > m_left) {
        // A new block grows with what the arena holds, and always has room for this text.
        const std::size_t size =
            std::max(n, std::clamp(m_held, kFirstBlockSize, kLargestBlockSize));
        m_next = allocateExact(size);
        m_left = size;
    }
    char* result = m_next;
    m_next += n;
    m_left -= n;
    return result;
}

}  // namespace vorlix
