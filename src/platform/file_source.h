#pragma once

#include <string>

#include "core/byte_source.h"
#include "platform/file_identity.h"

namespace vorlix {

// A file opened for reading as an archive source. Throws std::runtime_error with the reason
// when it cannot be opened or read; anything but a regular file is refused without waiting
// for it.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::size_t read(char* destination, std::size_t n) override;
    std::uint64_t size() const override { return m_size; }
    // The state of the file as it was opened.
    const FileIdentity& identity() const { return m_identity; }

private:
    std::string m_path;
    int m_fd = -1;
    std::uint64_t m_size = 0;
    FileIdentity m_identity;
};

}  // namespace vorlix
