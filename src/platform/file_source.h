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
    // Copies up to n bytes from `offset` on without moving the place read() reads from; safe to
    // call from several threads at once.
    std::size_t readAt(std::uint64_t offset, char* destination, std::size_t n) const;
    // The state of the file as it was opened.
    const FileIdentity& identity() const { return m_identity; }

private:
    std::string m_path;
    int m_fd = -1;
    std::uint64_t m_size = 0;
    FileIdentity m_identity;
};

// The bytes of an open file from an offset on, for a reader that goes on from there while
// others read other parts of the same file.
class FilePart final : public ByteSource {
public:
    FilePart(const FileSource& file, std::uint64_t from) : m_file(file), m_offset(from) {}

    std::size_t read(char* destination, std::size_t n) override;
    std::uint64_t size() const override { return m_file.size(); }

private:
    const FileSource& m_file;
    std::uint64_t m_offset;
};

}  // namespace vorlix
