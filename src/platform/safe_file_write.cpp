#include "platform/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "core/byte_sink.h"
#include "platform/link_target.h"
#include "platform/process_umask.h"
#include "platform/regular_file.h"
#include "platform/save_temporary.h"

namespace vorlix {

namespace {

// The temporary file's name is this thread's own; one found under it was left by a process
// that had the same ids before, and is replaced.
int createTemporary(const std::string& temporary) {
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(temporary.c_str(), flags, 0600);
    if (fd < 0 && errno == EEXIST && ::unlink(temporary.c_str()) == 0) {
        fd = ::open(temporary.c_str(), flags, 0600);
    }
    return fd;
}

// Writes to the temporary file and starts writing each 4 MiB run out to the disk as soon as it
// is complete, so that the final fsync waits for the last run only instead of the whole file:
// the disk works while the rest of the catalogue is still being serialised.
class DescriptorSink final : public ByteSink {
public:
    explicit DescriptorSink(int fd) : m_fd(fd) {}
    void write(const char* data, std::size_t n) override {
        while (n > 0) {
            const ssize_t written = ::write(m_fd, data, n);
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw std::runtime_error(std::strerror(errno));
            }
            data += written;
            n -= static_cast<std::size_t>(written);
            m_written += static_cast<std::uint64_t>(written);
        }
        if (m_written - m_flushed >= kFlushRun) {
            // Only a hint to start the writeback; a failure here shows again at fsync.
            static_cast<void>(::sync_file_range(m_fd, static_cast<off_t>(m_flushed),
                                                static_cast<off_t>(m_written - m_flushed),
                                                SYNC_FILE_RANGE_WRITE));
            m_flushed = m_written;
        }
    }

private:
    static constexpr std::uint64_t kFlushRun = 4 * 1024 * 1024;

    int m_fd;
    std::uint64_t m_written = 0;
    std::uint64_t m_flushed = 0;
};

// Produces the bytes into the open file and flushes them to the disk; the file is closed in
// every case.
Result fillAndClose(int fd, const std::function<void(ByteSink&)>& produce) {
    Result written = Result::success();
    try {
        DescriptorSink sink(fd);
        produce(sink);
        if (::fsync(fd) != 0) {
            written = Result::failure(std::strerror(errno));
        }
    } catch (const std::exception& e) {
        written = Result::failure(e.what());
    }
    if (::close(fd) != 0 && written.ok()) {
        written = Result::failure(std::strerror(errno));
    }
    return written;
}

}  // namespace

Result safeWriteFile(const std::string& path, std::string_view bytes) {
    return safeWriteFile(path, [bytes](ByteSink& sink) { sink.write(bytes.data(), bytes.size()); });
}

Result safeWriteFile(const std::string& path, const std::function<void(ByteSink&)>& produce) {
    const std::string target = linkTarget(path);
    if (Result replaceable = checkReplaceable(target); !replaceable.ok()) {
        return replaceable;
    }
    const std::string folder = folderOfPath(target);
    removeStaleTemporaries(folder);
    const std::string temporary =
        folder + "/" + temporaryFileName(nameOfPath(target), ::getpid(), ::gettid());
    const int fd = createTemporary(temporary);
    if (fd < 0) {
        return Result::failure(std::strerror(errno));
    }
    // Made private at first, the temporary file takes the mode the file is to have: that of the
    // file it replaces, else what the umask leaves of a new file's.
    struct stat old {};
    ::fchmod(fd,
             ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~processUmask()));

    Result written = fillAndClose(fd, produce);
    if (written.ok() && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = Result::failure(std::strerror(errno));
    }
    if (!written.ok()) {
        ::unlink(temporary.c_str());
        return written;
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return Result::success();
}

}  // namespace vorlix
