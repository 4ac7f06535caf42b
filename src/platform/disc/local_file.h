#pragma once

#include <memory>
#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

// A regular file of the system read as a volume's file: on a folder scanned as a disc or a
// mounted disc.
class LocalFile final : public VolumeFile {
public:
    // Null when path is not a regular file that can be opened for reading.
    static std::unique_ptr<LocalFile> open(const std::string& path);
    ~LocalFile() override;
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    std::uint64_t size() const override { return m_size; }
    std::optional<std::size_t> read(char* destination, std::size_t n) override;
    bool seek(std::uint64_t position) override;

private:
    LocalFile(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}

    int m_fd;
    std::uint64_t m_size;
};

}  // namespace vorlix
