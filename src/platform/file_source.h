#pragma once

#include <string>

#include "core/byte_source.h"

namespace vorlix {

// A file opened for reading as an archive source. Throws std::runtime_error naming the file
// and the system's reason when it cannot be opened or read.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::size_t read(char* destination, std::size_t n) override;
    std::uint64_t size() const override { return m_size; }

private:
    std::string m_path;
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

}  // namespace vorlix
