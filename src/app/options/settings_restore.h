#pragma once

#include <string>

namespace vorlix {

class SettingsStore;
class UserPrompt;

// The two registry files of the installation that put settings back as they were installed:
// restore.reg the general ones, restorechat.reg those of the chat.
enum class RestoreFile { General, Chat };

// Imports one of the installation's registry files into the settings after asking, as the
// registry editor does before it imports a file, and tells how it went.
class SettingsRestore {
public:
    // dataFolder holds the installation's registry files; it may end in "/".
    SettingsRestore(SettingsStore& settings, UserPrompt& prompt, std::string dataFolder);

    std::string path(RestoreFile file) const;
    // True when the file was imported; false when the user said No or it could not be read.
    bool restore(RestoreFile file);

private:
    SettingsStore& m_settings;
    UserPrompt& m_prompt;
    std::string m_dataFolder;
};

// The texts shown for the file at path.
std::string restoreQuestion(const std::string& path);
std::string restoredMessage(const std::string& path);
std::string restoreFailedMessage(const std::string& reason);

}  // namespace vorlix
