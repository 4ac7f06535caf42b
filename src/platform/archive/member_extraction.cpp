#include "platform/archive/member_extraction.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/archive/catalogued_entry.h"
#include "platform/private_temporary_folder.h"

namespace vorlix {

namespace {

constexpr std::size_t kExtractionBlock = 64 * 1024;

std::string nameOf(const std::string& cataloguedPath) {
    return cataloguedPath.substr(cataloguedPath.find_last_of("\\:") + 1);
}

bool writeAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

Extraction failed(const std::string& target, std::string message) {
    ::unlink(target.c_str());
    return {Extraction::End::Failed, {}, std::move(message)};
}

}  // namespace

ArchiveMemberExtractor::ArchiveMemberExtractor(DiscDrives& drives, PrivateTemporaryFolder& folder)
    : m_drives(drives), m_folder(folder) {}

Extraction ArchiveMemberExtractor::extract(const std::string& cataloguedPath,
                                           const std::atomic<bool>& stop,
                                           const ExtractionProgress& progress) {
    OpenedEntry opened = openCataloguedEntry(m_drives, cataloguedPath);
    if (!opened.ok()) {
        return {Extraction::End::Failed, {}, opened.message()};
    }
    const std::unique_ptr<VolumeFile> source = opened.take();
    const std::optional<std::string> place = m_folder.newPlace();
    if (!place) {
        return {Extraction::End::Failed, {}, "no temporary folder can be made"};
    }
    const std::string target = *place + "/" + nameOf(cataloguedPath);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return {Extraction::End::Failed, {}, target + " cannot be made: " + std::strerror(errno)};
    }
    std::vector<char> block(kExtractionBlock);
    std::uint64_t written = 0;
    for (;;) {
        if (stop) {
            ::close(fd);
            ::unlink(target.c_str());
            return {Extraction::End::Stopped, {}, {}};
        }
        const std::optional<std::size_t> got = source->read(block.data(), block.size());
        if (!got) {
            ::close(fd);
            const std::string problem = source->readProblem();
            return failed(target, problem.empty() ? "the disc cannot be read" : problem);
        }
        if (*got == 0) {
            break;
        }
        if (!writeAll(fd, block.data(), *got)) {
            const std::string reason = std::strerror(errno);
            ::close(fd);
            return failed(target, target + " cannot be written: " + reason);
        }
        written += *got;
        progress(written, source->size());
    }
    if (::close(fd) != 0) {
        return failed(target, target + " cannot be written: " + std::strerror(errno));
    }
    return {Extraction::End::Done, target, {}};
}

}  // namespace vorlix
