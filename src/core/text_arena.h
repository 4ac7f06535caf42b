#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace vorlix {

// Storage for many small texts that live exactly as long as their owner, such as the file
// entries read for one disc: one allocation serves hundreds of entries.
class TextArena {
public:
    char* allocate(std::size_t n);

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};

}  // namespace vorlix
