#pragma once

#include <string>

#include "core/result.h"

namespace vorlix {

// The entry that starts the program when the user logs in to the desktop: the desktop entry
// vorlix.desktop in the autostart folder that freedesktop.org defines, naming the executable.
// It takes the place of the Windows Run key's value and, like that value, changes the moment it
// is asked to.
class LogonEntry {
public:
    // autostartFolder may end in "/"; it is made when an entry is written into it.
    LogonEntry(std::string autostartFolder, std::string executable);

    const std::string& path() const { return m_path; }
    bool present() const;
    // Writes the entry, replacing one there, or removes it; removing none is no failure.
    Result set(bool present);

private:
    std::string m_path;
    std::string m_executable;
};

// The entry's text for that executable.
std::string logonEntryText(const std::string& executable);

}  // namespace vorlix
