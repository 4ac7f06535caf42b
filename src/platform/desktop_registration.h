#pragma once

#include <string>
#include <vector>

namespace vorlix {

// What one registration did.
struct DesktopRegistrationReport {
    std::vector<std::string> written;   // files written, relative to the data home
    std::vector<std::string> problems;  // one line for each thing that could not be done
};

// Registers the program with the desktop for one user, as freedesktop.org defines it, so that
// a catalogue opened from a file manager starts this very executable with it: the desktop
// entry applications/vorlix.desktop, the catalogue types in mime/packages/vorlix.xml and the
// icon icons/hicolor/scalable/apps/vorlix.svg below the user's data home. A file is rewritten
// only when its content differs, so an unchanged registration costs no writes; the desktop's
// caches are rebuilt with update-mime-database and update-desktop-database when something was
// written or a cache is missing. Nothing here stops the program: whatever cannot be done is
// reported and the program goes on without the registration.
//
// searchPath is a PATH-style list of folders in which the two update programs are looked up.
DesktopRegistrationReport registerWithDesktop(const std::string& dataHome,
                                              const std::string& executable,
                                              const std::string& searchPath);

// The same, looking the update programs up in this process's PATH.
DesktopRegistrationReport registerWithDesktop(const std::string& dataHome,
                                              const std::string& executable);

// The desktop entry, with Exec naming executable, quoted as the desktop entry format requires.
std::string desktopEntryText(const std::string& executable);
// The executable as the first word of an Exec value, quoted and escaped as that format requires.
std::string desktopExecProgram(const std::string& executable);
// The shared-mime-info description of the two catalogue types.
std::string mimeTypesText();
// The program's icon as SVG.
std::string iconText();

}  // namespace vorlix
