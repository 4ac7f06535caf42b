#pragma once

#include <string>

namespace vorlix {

// Who is logged in: the log name and the MD5 digest of the password. Both empty before login.
struct Identity {
    std::string logName;
    std::string passwordDigest;
};

}  // namespace vorlix
