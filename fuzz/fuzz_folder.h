#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// A folder of its own for a fuzzer's files, removed when the fuzzer exits.
class FuzzFolder {
public:
    FuzzFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorlix-fuzz-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_path = pattern + "/";
    }
    ~FuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    // Ends with "/".
    const std::string& path() const { return m_path; }

    std::string write(std::string_view name, std::string_view bytes) const {
        const std::string file = m_path + std::string(name);
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::string m_path;
};
