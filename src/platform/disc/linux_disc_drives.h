#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/disc/drive_letters.h"
#include "platform/disc_drives.h"

namespace vorlix {

// Where the kernel shows drives and mounts. Tests point these at trees of their own.
struct SystemRoots {
    std::string proc = "/proc";
    std::string sys = "/sys";
    std::string dev = "/dev";
};

// The drive map of a Linux system. Optical drives are found afresh on every call, so that a
// drive plugged in later shows up; images and folders keep the letter they were given for as
// long as the object lives. When every letter up to Z: is taken, addImage and addFolder give
// a source with an empty root. Safe to use from several threads.
class LinuxDiscDrives final : public DiscDrives {
public:
    explicit LinuxDiscDrives(DriveLetterMap overrides = {}, SystemRoots roots = {});

    std::vector<DiscSource> opticalDrives() override;
    DiscSource addImage(const std::string& path) override;
    DiscSource addFolder(const std::string& path) override;
    std::unique_ptr<DiscVolume> open(const std::string& root) override;
    std::optional<std::string> resolve(const std::string& cataloguedPath) override;

private:
    std::vector<DiscSource> opticalDrivesBesides(const std::vector<DiscSource>& added) const;
    DiscSource addSource(DiscSourceKind kind, const std::string& path);
    std::optional<DiscSource> sourceOf(char letter);
    std::optional<std::string> mountPointOf(const std::string& device) const;

    DriveLetterMap m_overrides;
    SystemRoots m_roots;
    std::mutex m_mutex;
    std::vector<DiscSource> m_added;  // images and folders
};

}  // namespace vorlix
