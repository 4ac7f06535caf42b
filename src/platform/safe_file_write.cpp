#include "platform/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/byte_sink.h"
#include "platform/process_umask.h"

namespace vorlix {

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

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
        }
    }

private:
    int m_fd;
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
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Result::failure(std::strerror(errno));
    }
    // Made private by mkostemp, the temporary file takes the mode the file at path is to have:
    // that of the file it replaces, else what the umask leaves of a new file's.
    struct stat old {};
    ::fchmod(fd,
             ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~processUmask()));

    Result written = fillAndClose(fd, produce);
    if (written.ok() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        written = Result::failure(std::strerror(errno));
    }
    if (!written.ok()) {
        ::unlink(temporary.c_str());
        return written;
    }
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return Result::success();
}

}  // namespace vorlix
