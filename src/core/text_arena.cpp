#include "core/text_arena.h"

namespace vorlix {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

char* TextArena::allocate(std::size_t n) {
    if (n > kBlockSize / 4) {
        // A large text gets a block of its own, so that the current block is not wasted.
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(n));
        return m_blocks.back().get();
    }
    if (n > m_left) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        m_next = m_blocks.back().get();
        m_left = kBlockSize;
    }
    char* result = m_next;
    m_next += n;
    m_left -= n;
    return result;
}

}  // namespace vorlix
