#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace vorlix::test {

// A recorded reply from tests/fixtures/online.
inline std::string onlineFixture(const std::string& name) {
    std::ifstream in(std::string(VORLIX_SOURCE_DIR) + "/tests/fixtures/online/" + name,
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vorlix::test
