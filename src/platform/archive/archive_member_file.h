#pragma once

#include <memory>
#include <string>

#include "platform/archive/archive_member_reader.h"
#include "platform/disc_volume.h"

namespace vorlix {

// The data of one member of an archive, streamed from the archive as libarchive decodes it:
// nothing is extracted beforehand, so it reads from start to end and cannot seek. It keeps the
// archive's file and the reader standing at the member for as long as it is read. A damaged
// member ends its reads with nullopt and says so, naming the archive, in readProblem().
class ArchiveMemberFile final : public VolumeFile {
public:
    // reader must stand at the member, read from archive; archiveName names the archive in
    // messages.
    ArchiveMemberFile(std::unique_ptr<VolumeFile> archive,
                      std::unique_ptr<ArchiveMemberReader> reader, std::uint64_t size,
                      std::string archiveName);

    std::uint64_t size() const override { return m_data->size(); }
    std::optional<std::size_t> read(char* destination, std::size_t n) override;
    std::string readProblem() const override;

private:
    // In the order each needs the one before, so that they go in reverse.
    std::unique_ptr<VolumeFile> m_archive;
    std::unique_ptr<ArchiveMemberReader> m_reader;
    std::unique_ptr<VolumeFile> m_data;
    std::string m_archiveName;
};

}  // namespace vorlix
