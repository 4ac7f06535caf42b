#pragma once

#include <string>

#include "platform/disc/sector_source.h"

namespace vorlix {

// The sectors of an ISO image or of a data disc in an optical drive, read straight from the
// file or the block device. Anything else at the path (a FIFO, a character device) is not
// opened.
class FileSectorSource final : public SectorSource {
public:
    explicit FileSectorSource(const std::string& path);
    ~FileSectorSource() override;
    FileSectorSource(const FileSectorSource&) = delete;
    FileSectorSource& operator=(const FileSectorSource&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool read(std::uint32_t lba, Sector& sector) override;
    bool readRun(std::uint32_t lba, std::uint32_t count, std::uint8_t* bytes) override;

private:
    int m_fd = -1;
};

}  // namespace vorlix
