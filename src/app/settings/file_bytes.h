#pragma once

#include <string>

#include "core/result.h"

namespace vorlix {

// Appends everything left to read from an open file descriptor; false on a read failure, with
// errno telling why.
bool readAllFrom(int fd, std::string& bytes);

// Appends the whole file at path to bytes. A failure carries the system's reason.
Result readFileBytes(const std::string& path, std::string& bytes);

}  // namespace vorlix
