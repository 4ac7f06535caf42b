#include "platform/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/byte_sink.h"

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

}  // namespace

std::string safeWriteFile(const std::string& path, std::string_view bytes) {
    return safeWriteFile(path, [bytes](ByteSink& sink) { sink.write(bytes.data(), bytes.size()); });
}

std::string safeWriteFile(const std::string& path, const std::function<void(ByteSink&)>& produce) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return std::strerror(errno);
    }
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    const mode_t umaskValue = ::umask(0);
    ::umask(umaskValue);
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~umaskValue));

    std::string failure;
    try {
        DescriptorSink sink(fd);
        produce(sink);
        if (::fsync(fd) != 0) {
            failure = std::strerror(errno);
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (::close(fd) != 0 && failure.empty()) {
        failure = std::strerror(errno);
    }
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = std::strerror(errno);
    }
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
        return failure;
    }
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

}  // namespace vorlix
