#pragma once

#include <chrono>
#include <string>

#include "core/result.h"

namespace vorlix {

// How long a change waits for a file that another program is changing before it gives up.
inline constexpr std::chrono::milliseconds kFileLockPatience{5000};

// Held by a program for the whole of one change of a file, from reading it to renaming the new
// version over it, so that two programs changing the same file one after the other each see
// the other's change instead of silently dropping it. The lock is advisory: an flock() on the
// lock file ".NAME.lock" beside the file (beside the file that a link points to, so that every
// path to one file shares one lock). The kernel releases it when its holder ends however it
// ends; the holder removes the lock file when it is done, and whoever was waiting for the
// removed file takes the lock on a new one.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock of the file at path, waiting up to patience while another holder keeps
    // it. Only a regular file, or a path where none is yet, can be locked: anything else is
    // refused as a save would refuse it. A failure gives the reason without the file's name,
    // which the caller's message carries.
    [[nodiscard]] Result acquire(const std::string& path,
                                 std::chrono::milliseconds patience = kFileLockPatience);
    bool held() const { return m_fd >= 0; }
    void release();

    // The lock file of the file at path.
    static std::string lockPathFor(const std::string& path);

private:
    std::string m_lockPath;
    int m_fd = -1;
};

}  // namespace vorlix
