#pragma once

#include <string>

namespace vorlix {

class SettingsStore;

// The folder every data file of the program is looked up in, and why it is not the one the
// settings name when they name none that can be used.
struct ProgramFolderChoice {
    std::string folder;   // with its final "/"
    std::string problem;  // why installdir could not be used; empty when it was
};

// The folder named by installdir, or the per-user program folder when installdir cannot be
// read: the settings could not be read, the value is longer than the store reads, or it is
// empty. Without this the program folder would be "/", the root folder, and every data file
// (the accounts, the filter lists) would be looked for there.
ProgramFolderChoice chooseProgramFolder(const SettingsStore& settings,
                                        const std::string& perUserFolder);

// Tells the user which folder stands in and why.
std::string programFolderFallbackMessage(const ProgramFolderChoice& choice);

}  // namespace vorlix
