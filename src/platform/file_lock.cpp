#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/link_target.h"
#include "platform/regular_file.h"

namespace vorlix {

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

constexpr milliseconds kPollInterval{20};

int openLockFile(const std::string& lockPath) {
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    // A lock file that another user's program made is locked just as well read-only.
    if (fd < 0 && errno == EACCES) {
        return ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    return fd;
}

// Whether fd is still the file at lockPath: a holder that releases removes it, and a lock
// taken on a removed file guards nothing.
bool stillInPlace(int fd, const std::string& lockPath) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(lockPath.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

std::string durationText(milliseconds patience) {
    if (patience.count() % 1000 == 0) {
        const auto seconds = patience.count() / 1000;
        return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
    }
    return std::to_string(patience.count()) + " milliseconds";
}

}  // namespace

FileLock::~FileLock() {
    release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : m_lockPath(std::move(other.m_lockPath)), m_fd(std::exchange(other.m_fd, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_lockPath = std::move(other.m_lockPath);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

std::string FileLock::lockPathFor(const std::string& path) {
    const std::string target = linkTarget(path);
    return folderOfPath(target) + "/." + nameOfPath(target) + ".lock";
}

Result FileLock::acquire(const std::string& path, milliseconds patience) {
    release();
    if (Result replaceable = checkReplaceable(linkTarget(path)); !replaceable.ok()) {
        return replaceable;
    }
    const std::string lockPath = lockPathFor(path);
    const auto deadline = steady_clock::now() + patience;
    int fd = -1;
    while (true) {
        // A folder that refuses the lock file refuses the save's temporary file for the same
        // reason, which is the one the user needs to hear.
        if (fd < 0 && (fd = openLockFile(lockPath)) < 0) {
            return Result::failure(std::strerror(errno));
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillInPlace(fd, lockPath)) {
                m_lockPath = lockPath;
                m_fd = fd;
                return Result::success();
            }
            ::close(std::exchange(fd, -1));
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int failure = errno;
            ::close(fd);
            return Result::failure("it cannot be locked: " + std::string(std::strerror(failure)));
        }
        const auto now = steady_clock::now();
        if (now >= deadline) {
            ::close(fd);
            return Result::failure("another program is changing it (it stayed locked for " +
                                   durationText(patience) + ")");
        }
        std::this_thread::sleep_for(
            std::min<steady_clock::duration>(kPollInterval, deadline - now));
    }
}

void FileLock::release() {
    if (m_fd < 0) {
        return;
    }
    // Removed while still held, so that nobody can take a lock on it that no longer guards
    // anything; a waiter that had it open notices and takes the next one.
    ::unlink(m_lockPath.c_str());
    ::close(std::exchange(m_fd, -1));
    m_lockPath.clear();
}

}  // namespace vorlix
