#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/disc.h"
#include "platform/disc_drives.h"
#include "scan/scan_job.h"
#include "scan/scan_request.h"

namespace vorlix {

class DiscVolume;
class FilterLists;
class MediaTagSource;
class SettingsStore;
class UserPrompt;

inline constexpr std::string_view kSelectDriveMessage =
    "Please, select one of your CD/DVD drives and then click on the scan button!";
inline constexpr std::string_view kDriveNotReadyMessage = "CD drive not ready!";
inline constexpr std::string_view kSameSerialMessage =
    "You already have a CD with the same serial number!";
inline constexpr std::string_view kScanFirstMessage = "Please, scan the CD first.";

// Opens the scan filter dialog on the detected extensions; the window is the user interface's.
class ScanFilterOpener {
public:
    virtual ~ScanFilterOpener() = default;
    virtual void open(std::vector<std::string>& detected) = 0;
};

// What Save hands over: the new disc, whether it is an audio disc, and whether the catalogue
// is to be written at once after the disc has entered it.
struct SavedScan {
    std::unique_ptr<CQXDisc> disc;
    bool audio = false;
    bool autoSave = false;
};

// The logic of the "Scan Drives" dialog: its drive list, drive path, check boxes and the Scan,
// Stop, Save and Close commands, over one scan job. Everything runs on the user-interface
// thread except runWalk(), which the scan thread calls between beginScan() returning true and
// walkEnded().
class ScanSession {
public:
    ScanSession(ScanRequest request, DiscDrives& drives, FilterLists& lists,
                MediaTagSource& mediaTags, SettingsStore& settings, UserPrompt& prompt,
                ScanFilterOpener& filterOpener);
    ~ScanSession();

    // Opening: fills the drive list, reads the settings, selects the preselected or the first
    // drive. True when the preselection timer is to start the scan.
    bool open();

    // The drive list's item texts: "D:\ LABEL", "D:\ " or "D:\ not ready"; images and folders
    // added below come after the optical drives.
    const std::vector<std::string>& driveItems() const { return m_driveItems; }
    int selectedDrive() const { return m_selectedDrive; }
    // A click on an item: its text up to and including the first "\" becomes the drive path.
    void selectDrive(int row);
    void refreshDrives();
    // An image or folder offered as a drive of its own, added to the list and selected. A folder
    // is scanned as the virtual disc "VirtCD" at location "virtual" without the serial check.
    void addImage(const std::string& path);
    void addFolder(const std::string& path);

    // The Scan command's checks up to the walk (messages through the prompt). True when the
    // walk is to run now.
    bool beginScan();
    // On the scan thread; afterEntry as for ScanJob::walk.
    void runWalk(const std::function<void()>& afterEntry = {});
    // Back on the user-interface thread: the filter dialog when extensions were detected.
    void walkEnded();
    bool walking() const;

    void stop();
    void close();
    bool closed() const;

    // "Please, scan the CD first." unless the last scan completed; otherwise the new disc.
    std::optional<SavedScan> save();
    bool saveEnabled() const { return m_saveEnabled; }

    bool filterOn() const;
    void setFilterOn(bool on);
    bool autoSave() const { return m_autoSave; }
    void setAutoSave(bool on);
    // Ignored while a walk runs: the walk is still adding to the detected extensions, and the
    // filter dialog opens by itself when the walk ends.
    void showScanFilter();

    ScanJob& job() { return *m_job; }
    const ScanRequest& request() const { return m_request; }

private:
    void addSource(const DiscSource& source);
    std::string itemText(const DiscSource& source);
    bool isFolderSource(const std::string& drivePath) const;
    void openFilter();

    ScanRequest m_request;
    DiscDrives& m_drives;
    FilterLists& m_lists;
    SettingsStore& m_settings;
    UserPrompt& m_prompt;
    ScanFilterOpener& m_filterOpener;
    std::unique_ptr<ScanJob> m_job;
    std::unique_ptr<DiscVolume> m_volume;
    std::vector<DiscSource> m_sources;
    std::vector<std::string> m_driveItems;
    int m_selectedDrive = -1;
    bool m_saveEnabled = false;
    bool m_autoSave = true;
    bool m_virtualDisc = false;  // the last scan read a folder as a disc
};

}  // namespace vorlix
