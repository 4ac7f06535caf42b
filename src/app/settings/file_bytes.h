#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include "core/result.h"

namespace vorlix {

// Appends what is left to read from an open file descriptor, stopping once more than limit
// bytes have come in, so that a file that grows while it is read cannot take more memory than
// the caller allows; the caller tells a file that was too long by the size of bytes. False on a
// read failure, with errno telling why.
bool readAllFrom(int fd, std::string& bytes,
                 std::size_t limit = std::numeric_limits<std::size_t>::max());

// Appends the whole file at path to bytes. Only a regular file is read; a failure carries the
// reason.
Result readFileBytes(const std::string& path, std::string& bytes);

}  // namespace vorlix
