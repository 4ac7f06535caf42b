#pragma once

#include <functional>

#include "scan/scan_session.h"

namespace vorlix {

class DiscDrives;
class FilterLists;
class MediaTagSource;
class SettingsStore;
class UserPrompt;

// What every scan dialog works with; all of it outlives the dialogs.
struct ScanServices {
    DiscDrives& drives;
    FilterLists& filterLists;
    MediaTagSource& mediaTags;
    SettingsStore& settings;
    UserPrompt& prompt;
};

// How a scan dialog ends: with a saved disc, or closed without one. Exactly one of them is
// called, once, on the user-interface thread; the dialog then deletes itself when its scan
// thread has let go of it, and the owner only forgets it.
struct ScanDialogHandlers {
    std::function<void(SavedScan)> discSaved;
    std::function<void()> scanClosed;
};

}  // namespace vorlix
