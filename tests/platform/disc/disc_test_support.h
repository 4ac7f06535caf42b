#pragma once

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/disc/linux_disc_drives.h"
#include "platform/disc_volume.h"
#include "support/temp_dir.h"

namespace vorlix {

// Shows entries as {name size} or {name/ 0} in failure messages.
inline void PrintTo(const DirectoryEntry& entry, std::ostream* out) {
    *out << '{' << entry.name << (entry.folder ? "/ " : " ") << entry.size << '}';
}

}  // namespace vorlix

namespace vorlix::test {

// A drive map over an empty system: no optical drives and no mounts, so that images and folders
// added to it take letters from D: on.
class DrivesWithoutHardware {
public:
    DrivesWithoutHardware()
        : m_drives(
              {}, SystemRoots{m_system.file("proc"), m_system.file("sys"), m_system.file("dev")}) {}

    LinuxDiscDrives& drives() { return m_drives; }

private:
    TempDir m_system;
    LinuxDiscDrives m_drives;
};

inline std::vector<DirectoryEntry> sortedByName(std::vector<DirectoryEntry> entries) {
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return entries;
}

inline void writeSized(const std::string& path, std::size_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeFile(path, std::string(size, 'x'));
}

}  // namespace vorlix::test
