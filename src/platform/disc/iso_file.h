#pragma once

#include <cstdint>
#include <vector>

#include "platform/disc/iso_directory_record.h"
#include "platform/disc/sector_source.h"
#include "platform/disc_volume.h"

namespace vorlix {

// A file of an ISO 9660 volume read sector by sector from its extents, in order.
class IsoFile final : public VolumeFile {
public:
    // The sectors must outlive the file.
    IsoFile(SectorSource& sectors, std::vector<IsoExtent> extents);

    std::uint64_t size() const override { return m_size; }
    std::optional<std::size_t> read(char* destination, std::size_t n) override;
    bool seek(std::uint64_t position) override;

private:
    SectorSource& m_sectors;
    std::vector<IsoExtent> m_extents;
    std::uint64_t m_size = 0;
    std::size_t m_extent = 0;    // the extent being read
    std::uint32_t m_offset = 0;  // bytes of it already read
    Sector m_sector{};
};

}  // namespace vorlix
