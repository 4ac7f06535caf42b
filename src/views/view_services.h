#pragma once

namespace vorlix {

class CopyTaskStarter;
class DiscDrives;
class MemberOpener;
class SettingsStore;
class ShellOpener;
class UserPrompt;

// What the panes need besides the document: messages and questions, the settings, the
// desktop's opener, the drives, the copies to the hard disc and the opener of archive members
// (none where the panes are shown without them).
struct ViewServices {
    UserPrompt& prompt;
    SettingsStore& settings;
    ShellOpener& shell;
    DiscDrives& drives;
    CopyTaskStarter* copies = nullptr;
    MemberOpener* members = nullptr;
};

}  // namespace vorlix
