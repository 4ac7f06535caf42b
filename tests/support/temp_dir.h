#pragma once

#include <string>
#include <string_view>

namespace vorlix::test {

// A fresh folder for one test, removed with everything in it when the test ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(std::string_view name) const { return m_path + "/" + std::string(name); }

private:
    std::string m_path;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);

}  // namespace vorlix::test
