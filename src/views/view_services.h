#pragma once

namespace vorlix {

class DiscDrives;
class SettingsStore;
class ShellOpener;
class UserPrompt;

// What the panes need besides the document: messages and questions, the settings, the
// desktop's opener and the drives.
struct ViewServices {
    UserPrompt& prompt;
    SettingsStore& settings;
    ShellOpener& shell;
    DiscDrives& drives;
};

}  // namespace vorlix
