#pragma once

#include <cstdint>
#include <string>

namespace vorlix {

// What opening a file for reading found out about it.
struct RegularFileCheck {
    enum class Problem { None, Missing, NotRegular, Unreadable };

    Problem problem = Problem::None;
    std::string reason;      // the system's words, for Unreadable
    std::uint64_t size = 0;  // when there is no problem
};

// Opens the file without waiting, the way any file whose bytes the program takes in must be
// opened first: a FIFO would otherwise hold the caller until something writes to it, and a
// device may never end. Only a regular file passes.
RegularFileCheck checkRegularFile(const std::string& path);

}  // namespace vorlix
