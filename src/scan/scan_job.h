#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_entries.h"
#include "core/result.h"
#include "platform/disc_volume.h"
#include "scan/filter_lists.h"

namespace vorlix {

class ArchiveListing;
class MediaTagSource;

enum class ScanState { Idle, Walking, Completed, Stopped, Closed };

// One item of the scan's folder tree: the root (disc number, a space, the label) has parent -1;
// every other item is a folder named by its own name, its parent an earlier item's index.
struct ScanTreeItem {
    std::string text;
    int parent = -1;
};

// What the scan dialog shows while a walk runs, taken as one consistent snapshot.
struct ScanDisplay {
    std::string folderText;      // current folder's name
    std::string fileText;        // last recorded file's name
    std::string countText;       // recorded count, "%d"
    std::string sizeText;        // recorded total in megabytes, "%0.3f MB"
    std::string unreadableText;  // what could not be read so far; empty when nothing
    int recordedBar = 0;         // 0..100, wraps
    int seenBar = 0;             // 0..50, wraps
    int foldersBar = 0;          // 0..100, wraps
};

// The texts Save computes from the recorded entries and the totals.
struct ScanTotals {
    std::string countText;     // "%d"
    std::string sizeText;      // sum of the entries' size texts (unsigned 32-bit), "%0.3f MB"
    std::string discSizeText;  // every file met, in megabytes, "%0.3f"
};

// The state of one scan dialog's scan: reads a volume's label and serial, walks it into file
// entries through the extension filter, keeps the folder tree, the totals, the detected
// extensions and, for an audio disc, its media tag. It knows no user interface: the dialog
// calls prepare() and the Save steps on its own thread and walk() on the scan thread, and
// reads display() from any thread while a walk runs. stop() and close() may come from any
// thread and end a walk within one entry.
class ScanJob {
public:
    // lists: the document's filter lists, reloaded at every scan start; the walk decides on a
    // copy taken then, so the user-interface thread may use the lists while a walk runs.
    ScanJob(FilterLists& lists, MediaTagSource& mediaTags);

    void setDrivePath(std::string drivePath);  // "D:\"
    const std::string& drivePath() const { return m_drivePath; }
    void setDiscNumber(std::string number);
    const std::string& discNumber() const { return m_discNumber; }
    void setFilterOn(bool on);
    bool filterOn() const;
    void setSkipFilesWithoutExtension(bool on);
    // With it on, every recorded archive's members become entries too, in a folder named after
    // the archive below the archive's own folder ("d:\backup\old.zip\docs\"), and the
    // archive and its folders items of the folder tree; archives inside an archive are listed
    // one level deep. An archive larger than the limit (bytes), damaged or encrypted adds
    // nothing but is counted in unreadableText().
    void setListArchives(bool on);
    bool listArchives() const { return m_listArchives; }
    void setArchiveLimit(std::uint64_t bytes);

    // Takes the answer of the volume's query: label and serial text ("%d" of the serial as a
    // signed 32-bit number) when it succeeded; otherwise both keep their values.
    void readVolume(const std::optional<VolumeIdentity>& identity);
    const std::string& volumeLabel() const { return m_volumeLabel; }
    const std::string& serialText() const { return m_serialText; }
    // For a source without a volume of its own (a folder read as a disc): the name and serial
    // text it is catalogued under.
    void setVolume(std::string label, std::string serialText);

    // A Scan command begins: a Completed job returns to Idle, so a refused command leaves
    // nothing to save.
    void leaveCompleted();

    // Scan start up to the walk: reloads the filter lists, resets entries, totals, flags,
    // audio flag and media tag, and makes the tree's root item. Fails with the message for a
    // list file that cannot be read; the scan must then not start.
    Result prepare();
    // The walk itself and, for an audio disc, the media tag. Returns when the walk has ended by
    // itself, by stop() or by close(). afterEntry, when given, runs after every file met (the
    // command line uses it for its progress line).
    //
    // The walk fails, keeping nothing and leaving the job Idle, when the volume's root cannot be
    // listed or a folder turns out to be one already entered: a damaged disc whose folders lead
    // back to each other would otherwise be walked without end. The message names the folder.
    // A folder below the root that cannot be listed, and an entry that is neither a file nor a
    // folder, are left out and counted (unreadableText()).
    [[nodiscard]] Result walk(DiscVolume& volume, const std::function<void()>& afterEntry = {});

    // Stop: discards the partial result (tree, entries, count, totals) and clears completed;
    // the detected extensions stay. Close does the same and marks the job closed.
    void stop();
    void close();

    ScanState state() const;
    bool completed() const { return state() == ScanState::Completed; }
    // From prepare() until walk() has returned, also after a stop() that the walk has not yet
    // seen: no new scan may start before.
    bool walking() const;

    ScanDisplay display() const;
    // The tree items from index first on; the dialog adds them as they come.
    std::vector<ScanTreeItem> treeItems(std::size_t first = 0) const;
    // One line per tree item in pre-order, tab-indented by depth, each ended by CR LF.
    std::string folderOutline() const;

    // What the last walk could not read: "2 items could not be read and are not catalogued:"
    // and the catalogue paths of the first few, then in the same way the archives whose members
    // could not be listed; empty when everything could be read.
    std::string unreadableText() const;

    // Extensions met that are on neither list, in the order met; the filter dialog edits them.
    std::vector<std::string>& detectedExtensions() { return m_detected; }
    bool audio() const { return m_audio; }
    const std::string& mediaTag() const { return m_mediaTag; }

    // The recorded entries, in walk order; valid once the walk has ended.
    const FileEntries& entries() const { return m_entries; }
    // Save: the totals of the recorded entries, then the entries themselves for the new disc.
    ScanTotals totals() const;
    FileEntries takeEntries();

private:
    // What the walk shows; display() formats it, so a file costs no text formatting.
    // The bars count steps of their own, which Stop leaves where the walk stopped.
    struct Progress {
        std::string folderText;
        std::string fileText;
        std::size_t recorded = 0;
        double recordedTotal = 0;
        std::size_t recordedSteps = 0;
        std::size_t seen = 0;
        std::size_t folders = 0;
        bool atEnd = false;  // the walk went through to its end
        std::size_t unreadable = 0;
        std::vector<std::string> unreadableSamples;  // the first few, as catalogue paths
        std::size_t unlisted = 0;                    // archives, as the unreadable items
        std::vector<std::string> unlistedSamples;
    };

    // A folder the walk is inside: its entries, read once, the next one to look at for
    // subfolders, its tree item, and the lengths of the volume path and the catalogue folder
    // path while the walk is in it.
    struct Frame {
        std::vector<DirectoryEntry> entries;
        std::size_t next = 0;
        int item = 0;
        std::size_t pathSize = 0;
        std::size_t folderPathSize = 0;
    };

    Result walkTree(DiscVolume& volume);
    // Enters the next subfolder of the innermost folder: reads its files and puts it on the
    // stack, or counts it when it cannot be listed. Fails on a folder already entered.
    Result enterFolder(DiscVolume& volume, std::vector<Frame>& stack,
                       std::set<FolderPlace>& entered);
    void leaveFolder(std::vector<Frame>& stack);
    // item: the folder's tree item, which the folders of its archives go below.
    void readFiles(const std::vector<DirectoryEntry>& entries, const std::string& folderPath,
                   int item);
    void noteUnreadable(std::string path);
    void noteUnlisted(std::string path);
    std::string unreadableTextLocked() const;
    void meetFile(const DirectoryEntry& file, const std::string& folderPath, int item);
    // The filter's decision on a file or member, recording it when it passes; true then.
    bool considerFile(std::string_view name, std::uint64_t size, const std::string& folderPath);
    void listArchive(const DirectoryEntry& file, const std::string& name,
                     const std::string& folderPath, int item);
    // Takes in an archive's members, all of them listed: entries through the filter, then the
    // archive's item below parentItem and its folders below it.
    void takeListing(const ArchiveListing& listing, const std::string& name,
                     const std::string& archiveFolder, int parentItem);
    void recordFile(std::string_view name, std::uint64_t size, const std::string& folderPath);
    int addTreeItem(std::string text, int parent);
    bool carryOn() const { return m_continue.load(std::memory_order_relaxed); }
    void finishWalk(bool walked);
    void end(ScanState to);
    void discard();

    FilterLists& m_lists;
    MediaTagSource& m_mediaTags;
    std::string m_drivePath;
    std::string m_discNumber;
    std::string m_volumeLabel;
    std::string m_serialText;
    bool m_filterOn = false;
    bool m_skipNoExtension = false;
    bool m_listArchives = false;
    std::uint64_t m_archiveLimit = 0;

    // Taken by prepare() for the walk, so that the dialog may change its own copies meanwhile.
    std::optional<FilterLists> m_walkLists;
    bool m_walkFilterOn = false;
    bool m_walkSkipNoExtension = false;
    bool m_walkListArchives = false;
    std::uint64_t m_walkArchiveLimit = 0;
    DiscVolume* m_walkVolume = nullptr;  // while walk() runs
    std::string m_walkDrivePath;
    std::string m_rootFolder;  // "d:\"
    std::string m_drive;       // "d:"
    const std::function<void()>* m_afterEntry = nullptr;
    std::string m_nameStorage;  // a file name read in the code page, while it is met
    // Of the folder the walk is in: its path on the volume and its catalogue folder path.
    std::string m_path;
    std::string m_folderPath;

    std::atomic<bool> m_continue{false};
    // State changes and the end of a walk happen under m_stateMutex, so that a stop() racing
    // with the walk's end discards the result exactly once and never under the walk's feet.
    mutable std::mutex m_stateMutex;
    std::atomic<ScanState> m_state{ScanState::Idle};
    std::atomic<bool> m_walkActive{false};

    // Guards what display() and treeItems() read while the walk writes it.
    mutable std::mutex m_displayMutex;
    Progress m_progress;
    std::vector<ScanTreeItem> m_tree;
    std::vector<int> m_depths;  // of each tree item, for the outline

    FileEntries m_entries;
    std::vector<std::string> m_detected;
    // Summed as an integer: a float of every file's size would lose megabytes on a full DVD.
    std::uint64_t m_grandTotal = 0;
    bool m_audio = false;
    std::string m_mediaTag;
};

}  // namespace vorlix
