#pragma once

#include <string>

namespace vorlix {

// Appends everything left to read from an open file descriptor; false on a read failure, with
// errno telling why.
bool readAllFrom(int fd, std::string& bytes);

// The whole file at path into bytes. Returns an empty text on success, else the reason.
std::string readFileBytes(const std::string& path, std::string& bytes);

}  // namespace vorlix
