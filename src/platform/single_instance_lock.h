#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// The lock file of the per-user single-instance check: in $XDG_RUNTIME_DIR when that is an
// absolute path, else in the fallback folder (the settings folder).
std::string singleInstanceLockPathFor(std::string_view xdgRuntimeDir,
                                      std::string_view fallbackFolder);

// The local socket through which a second start reaches the running instance: beside the lock
// file, named after the user id, "vorlix-<uid>.socket".
std::string singleInstanceSocketPathFor(std::string_view xdgRuntimeDir,
                                        std::string_view fallbackFolder, unsigned userId);

// Holds the per-user lock that lets one instance of the desktop program run at a time. The
// lock is an flock() on a file, which the kernel releases when the holding process ends for
// whatever reason, so a crashed instance never leaves it held. The file descriptor is not
// inherited by programs the holder starts, so they cannot keep the lock after it ends.
class SingleInstanceLock {
public:
    enum class State { Acquired, HeldElsewhere, Failed };

    // Tries to take the lock at once, without waiting.
    explicit SingleInstanceLock(std::string path);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    State state() const { return m_state; }
    // Why the lock file could not be used, when the state is Failed.
    const std::string& failure() const { return m_failure; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1;
    State m_state = State::Failed;
    std::string m_failure;
};

}  // namespace vorlix
