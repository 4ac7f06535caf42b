#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace vorlix {

// Storage for many small texts that live exactly as long as their owner, such as the file
// entries of one disc: one allocation serves hundreds of entries. Blocks start small and grow
// with what the arena holds, so an owner of a few texts pays for a few texts.
class TextArena {
public:
    char* allocate(std::size_t n);
    // A block of exactly n bytes, for texts whose total is known up front.
    char* allocateExact(std::size_t n);

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
    std::size_t m_held = 0;  // bytes in all blocks
};

}  // namespace vorlix
