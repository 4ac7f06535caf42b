#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/disc.h"
#include "platform/disc_drives.h"
#include "scan/scan_drive_reader.h"
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
// Stop, Save and Close commands, over one scan job. It never reads a drive itself: the dialog
// has a ScanDriveReader read the drive list, the added images and folders and the disc of a
// Scan command on its scan thread, and hands the answers in here. Everything runs on the
// user-interface thread except runWalk(), which the scan thread calls between startWalk()
// returning true and walkEnded().
class ScanSession {
public:
    ScanSession(ScanRequest request, FilterLists& lists, MediaTagSource& mediaTags,
                SettingsStore& settings, UserPrompt& prompt, ScanFilterOpener& filterOpener);
    ~ScanSession();

    // Opening: reads the settings and takes the preselected drive as the drive path. True when
    // the preselection timer is to start the scan. The drive list comes with showDrives().
    bool open();

    // The drive list's item texts: "D:\ LABEL", "D:\ " or "D:\ not ready"; images and folders
    // added below come after the optical drives.
    const std::vector<std::string>& driveItems() const { return m_driveItems; }
    int selectedDrive() const { return m_selectedDrive; }
    // A click on an item: its text up to and including the first "\" becomes the drive path.
    void selectDrive(int row);
    // The images and folders added so far, which a new reading of the drive list keeps.
    std::vector<DiscSource> addedSources() const;
    // A reading of the drive list. The row of the drive path is selected; without a drive path,
    // the first row is.
    void showDrives(std::vector<ScanDriveItem> items);
    // An image or folder offered as a drive of its own, added to the list and selected. A folder
    // is scanned as the virtual disc "VirtCD" at location "virtual" without the serial check.
    void showAddedSource(ScanDriveItem item);

    // The Scan command's checks before its drive is read (messages through the prompt): the
    // drive path to read, or nullopt when the command is refused or ignored.
    std::optional<std::string> beginScan();
    // The rest of the checks once the drive has been read. True when the walk is to run now;
    // false also when Stop or Close came while the drive was read.
    bool startWalk(OpenedDisc disc);
    // On the scan thread; afterEntry as for ScanJob::walk. The volume is let go of afterwards,
    // so that a disc can be ejected while the dialog stays open.
    void runWalk(const std::function<void()>& afterEntry = {});
    // Back on the user-interface thread: the message of a walk that failed, or else the filter
    // dialog when extensions were detected.
    void walkEnded();
    bool walking() const;

    // Stop and Close also drop a Scan command whose drive is being read.
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
    // "List the contents of archives" and the largest archive listed; each change is stored.
    bool listArchives() const;
    void setListArchives(bool on);
    std::uint32_t archiveLimitMegabytes() const { return m_archiveLimit; }
    void setArchiveLimitMegabytes(std::uint32_t megabytes);
    // Ignored while a walk runs: the walk is still adding to the detected extensions, and the
    // filter dialog opens by itself when the walk ends.
    void showScanFilter();

    ScanJob& job() { return *m_job; }
    const ScanRequest& request() const { return m_request; }

private:
    bool isFolderSource(const std::string& drivePath) const;
    void openFilter();

    ScanRequest m_request;
    FilterLists& m_lists;
    SettingsStore& m_settings;
    UserPrompt& m_prompt;
    ScanFilterOpener& m_filterOpener;
    std::unique_ptr<ScanJob> m_job;
    std::unique_ptr<DiscVolume> m_volume;
    std::optional<Result> m_walked;  // set by runWalk(), shown by walkEnded()
    std::vector<DiscSource> m_sources;
    std::vector<std::string> m_driveItems;
    int m_selectedDrive = -1;
    bool m_saveEnabled = false;
    bool m_autoSave = true;
    std::uint32_t m_archiveLimit = 0;
    bool m_virtualDisc = false;  // the last scan read a folder as a disc
    bool m_readingDisc = false;  // from beginScan() until startWalk()
};

}  // namespace vorlix
