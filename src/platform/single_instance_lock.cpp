#include "platform/single_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vorlix {

namespace {

constexpr std::string_view kLockFileName = "vorlix.lock";

std::string withSlash(std::string_view folder) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path;
}

std::string_view instanceFolder(std::string_view xdgRuntimeDir, std::string_view fallbackFolder) {
    return xdgRuntimeDir.starts_with('/') ? xdgRuntimeDir : fallbackFolder;
}

}  // namespace

std::string singleInstanceLockPathFor(std::string_view xdgRuntimeDir,
                                      std::string_view fallbackFolder) {
    return withSlash(instanceFolder(xdgRuntimeDir, fallbackFolder)) + std::string(kLockFileName);
}

std::string singleInstanceSocketPathFor(std::string_view xdgRuntimeDir,
                                        std::string_view fallbackFolder, unsigned userId) {
    return withSlash(instanceFolder(xdgRuntimeDir, fallbackFolder)) + "vorlix-" +
           std::to_string(userId) + ".socket";
}

SingleInstanceLock::SingleInstanceLock(std::string path) : m_path(std::move(path)) {
    m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_failure = m_path + ": " + std::strerror(errno);
        return;
    }
    int result;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        m_state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Failed;
        if (m_state == State::Failed) {
            m_failure = m_path + ": " + std::strerror(errno);
        }
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_state = State::Acquired;
    // The holder's process id, for whoever wonders which process holds the lock.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(m_fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(m_fd, pid.data(), pid.size(), 0);
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

}  // namespace vorlix
