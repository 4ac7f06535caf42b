#include "platform/archive/archive_member_file.h"

#include <archive.h>
#include <archive_entry.h>

namespace vorlix {

ArchiveMemberFile::ArchiveMemberFile(std::unique_ptr<VolumeFile> archive,
                                     std::unique_ptr<ArchiveInput> input,
                                     struct archive_entry* entry, std::string archiveName)
    : m_archive(std::move(archive)),
      m_input(std::move(input)),
      m_size(archive_entry_size_is_set(entry) != 0
                 ? static_cast<std::uint64_t>(archive_entry_size(entry))
                 : 0),
      m_archiveName(std::move(archiveName)) {}

std::optional<std::size_t> ArchiveMemberFile::read(char* destination, std::size_t n) {
    if (!m_problem.empty()) {
        return std::nullopt;
    }
    const la_ssize_t got = archive_read_data(m_input->handle(), destination, n);
    if (got < 0) {
        // A checksum that does not match comes as a warning after the last bytes, and is just as
        // fatal for a copy.
        m_problem = "the archive " + m_archiveName + " is damaged (" + m_input->errorText() + ")";
        return std::nullopt;
    }
    return static_cast<std::size_t>(got);
}

}  // namespace vorlix
