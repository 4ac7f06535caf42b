#pragma once

#include <memory>
#include <string>

#include "platform/archive/archive_input.h"
#include "platform/disc_volume.h"

struct archive_entry;

namespace vorlix {

// The data of one member of an archive, streamed from the archive as libarchive decodes it:
// nothing is extracted beforehand, so it reads from start to end and cannot seek. A damaged
// member ends its reads with nullopt and libarchive's words in readProblem().
class ArchiveMemberFile final : public VolumeFile {
public:
    // input must stand at entry's header, read from archive; archiveName names the archive in
    // messages.
    ArchiveMemberFile(std::unique_ptr<VolumeFile> archive, std::unique_ptr<ArchiveInput> input,
                      struct archive_entry* entry, std::string archiveName);

    std::uint64_t size() const override { return m_size; }
    std::optional<std::size_t> read(char* destination, std::size_t n) override;
    std::string readProblem() const override { return m_problem; }

private:
    // Declared before the input, which reads from it, so that it goes last.
    std::unique_ptr<VolumeFile> m_archive;
    std::unique_ptr<ArchiveInput> m_input;
    std::uint64_t m_size;
    std::string m_archiveName;
    std::string m_problem;
};

}  // namespace vorlix
