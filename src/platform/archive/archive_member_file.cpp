#include "platform/archive/archive_member_file.h"

namespace vorlix {

ArchiveMemberFile::ArchiveMemberFile(std::unique_ptr<VolumeFile> archive,
                                     std::unique_ptr<ArchiveMemberReader> reader,
                                     std::uint64_t size, std::string archiveName)
    : m_archive(std::move(archive)),
      m_reader(std::move(reader)),
      m_data(m_reader->memberData(size)),
      m_archiveName(std::move(archiveName)) {}

std::optional<std::size_t> ArchiveMemberFile::read(char* destination, std::size_t n) {
    return m_data->read(destination, n);
}

std::string ArchiveMemberFile::readProblem() const {
    const std::string problem = m_data->readProblem();
    return problem.empty() ? problem
                           : "the archive " + m_archiveName + " is damaged (" + problem + ")";
}

}  // namespace vorlix
