#include "scan/scan_job.h"

#include <utility>

#include "core/file_name_text.h"
#include "core/numbers.h"
#include "core/stored_size.h"
#include "core/text_case.h"
#include "online/media_tag_source.h"

namespace vorlix {

namespace {

// The progress bars' ranges; stepping past the end starts a bar again from 0, so the bars show
// activity rather than a fraction.
constexpr int kRecordedBarEnd = 100;
constexpr int kSeenBarEnd = 50;
constexpr int kFoldersBarEnd = 100;

int barPosition(std::size_t steps, int end) {
    return static_cast<int>(steps % static_cast<std::size_t>(end + 1));
}

std::string childPath(const std::string& path, const std::string& name) {
    return path.empty() ? name : path + "/" + name;
}

}  // namespace

ScanJob::ScanJob(FilterLists& lists, MediaTagSource& mediaTags)
    : m_lists(lists), m_mediaTags(mediaTags) {}

void ScanJob::setDrivePath(std::string drivePath) {
    m_drivePath = std::move(drivePath);
}

void ScanJob::setDiscNumber(std::string number) {
    m_discNumber = std::move(number);
}

void ScanJob::setFilterOn(bool on) {
    m_filterOn = on;
}

bool ScanJob::filterOn() const {
    return m_filterOn;
}

void ScanJob::setSkipFilesWithoutExtension(bool on) {
    m_skipNoExtension = on;
}

void ScanJob::readVolume(const std::optional<VolumeIdentity>& identity) {
    if (identity) {
        m_volumeLabel = identity->label;
        m_serialText = vorlix::serialText(identity->serial);
    }
}

void ScanJob::setVolume(std::string label, std::string serialText) {
    m_volumeLabel = std::move(label);
    m_serialText = std::move(serialText);
}

void ScanJob::leaveCompleted() {
    std::lock_guard lock(m_stateMutex);
    if (m_state == ScanState::Completed) {
        m_state = ScanState::Idle;
    }
}

Result ScanJob::prepare() {
    m_detected.clear();
    if (Result loaded = m_lists.load(); !loaded.ok()) {
        return loaded;
    }
    m_walkLists.emplace(m_lists);
    m_walkFilterOn = m_filterOn;
    m_walkSkipNoExtension = m_skipNoExtension;
    m_walkDrivePath = m_drivePath;
    m_drive = lowerCase(m_drivePath.substr(0, m_drivePath.find('\\')));
    m_rootFolder = m_drive + "\\";

    m_audio = false;
    m_mediaTag.clear();
    m_entries.clear();
    m_grandTotal = 0;
    {
        std::lock_guard lock(m_displayMutex);
        m_progress = Progress{};
        m_tree.clear();
        m_depths.clear();
    }
    addTreeItem(m_discNumber + " " + m_volumeLabel, -1);

    m_continue = true;
    std::lock_guard lock(m_stateMutex);
    m_state = ScanState::Walking;
    m_walkActive = true;
    return Result::success();
}

void ScanJob::walk(DiscVolume& volume, const std::function<void()>& afterEntry) {
    m_afterEntry = afterEntry ? &afterEntry : nullptr;
    std::vector<DirectoryEntry> root;
    // The root's own files come last, after every folder below it.
    if (carryOn() && volume.list("", root)) {
        walkSubfolders(volume, 0, "", m_rootFolder, root);
        if (carryOn()) {
            readFiles(root, m_rootFolder);
        }
    }
    {
        std::lock_guard lock(m_displayMutex);
        m_progress.atEnd = carryOn();
    }
    if (carryOn() && m_audio) {
        m_mediaTag = m_mediaTags.mediaTag(m_walkDrivePath);
    }
    m_afterEntry = nullptr;
    finishWalk();
}

void ScanJob::walkFolder(DiscVolume& volume, int item, const std::string& path,
                         const std::string& folderPath) {
    std::vector<DirectoryEntry> entries;
    if (!volume.list(path, entries)) {
        return;
    }
    readFiles(entries, folderPath);
    if (carryOn()) {
        walkSubfolders(volume, item, path, folderPath, entries);
    }
}

void ScanJob::walkSubfolders(DiscVolume& volume, int item, const std::string& path,
                             const std::string& folderPath,
                             const std::vector<DirectoryEntry>& entries) {
    std::string storage;
    for (const DirectoryEntry& entry : entries) {
        if (entry.folder) {
            // The volume is walked by the names' own bytes; the catalogue keeps their text.
            const std::string name(fileNameText(entry.name, storage));
            const int child = addTreeItem(name, item);
            {
                std::lock_guard lock(m_displayMutex);
                m_progress.folderText = name;
            }
            walkFolder(volume, child, childPath(path, entry.name),
                       folderPath + lowerCase(name) + "\\");
            std::lock_guard lock(m_displayMutex);
            ++m_progress.folders;
        }
        if (!carryOn()) {
            return;
        }
    }
}

void ScanJob::readFiles(const std::vector<DirectoryEntry>& entries, const std::string& folderPath) {
    for (const DirectoryEntry& entry : entries) {
        if (!entry.folder) {
            meetFile(entry, folderPath);
        }
        if (!carryOn()) {
            return;
        }
    }
}

void ScanJob::meetFile(const DirectoryEntry& file, const std::string& folderPath) {
    m_grandTotal += file.size;
    const std::string_view name = fileNameText(file.name, m_nameStorage);
    const bool record =
        !m_walkFilterOn ||
        m_walkLists->decide(name, m_walkSkipNoExtension, m_detected) == FilterDecision::Record;
    if (record) {
        recordFile(name, file.size, folderPath);
    } else {
        std::lock_guard lock(m_displayMutex);
        ++m_progress.seen;
    }
    if (m_afterEntry) {
        (*m_afterEntry)();
    }
}

void ScanJob::recordFile(std::string_view name, std::uint64_t size, const std::string& folderPath) {
    m_entries.emplace_back(name, folderPath, storedSizeText(size), m_drive);
    if (name.find(".cda") != std::string_view::npos) {
        m_audio = true;
    }
    std::lock_guard lock(m_displayMutex);
    ++m_progress.seen;
    ++m_progress.recorded;
    ++m_progress.recordedSteps;
    m_progress.recordedTotal += static_cast<double>(size);
    m_progress.fileText = name;
}

int ScanJob::addTreeItem(std::string text, int parent) {
    std::lock_guard lock(m_displayMutex);
    m_tree.push_back({std::move(text), parent});
    m_depths.push_back(parent < 0 ? 0 : m_depths[static_cast<std::size_t>(parent)] + 1);
    return static_cast<int>(m_tree.size()) - 1;
}

void ScanJob::finishWalk() {
    std::lock_guard lock(m_stateMutex);
    m_walkActive = false;
    if (m_state == ScanState::Walking) {
        m_state = ScanState::Completed;
    } else {
        discard();
    }
}

void ScanJob::stop() {
    end(ScanState::Stopped);
}

void ScanJob::close() {
    end(ScanState::Closed);
}

void ScanJob::end(ScanState to) {
    m_continue = false;
    std::lock_guard lock(m_stateMutex);
    if (m_state != ScanState::Closed) {
        m_state = to;
    }
    // A running walk sees the flag within one entry and discards its result itself.
    if (!m_walkActive) {
        discard();
    }
}

void ScanJob::discard() {
    m_entries.clear();
    m_grandTotal = 0;
    std::lock_guard lock(m_displayMutex);
    m_tree.clear();
    m_depths.clear();
    m_progress.recorded = 0;
    m_progress.recordedTotal = 0;
}

ScanState ScanJob::state() const {
    return m_state.load();
}

bool ScanJob::walking() const {
    return m_walkActive.load();
}

ScanDisplay ScanJob::display() const {
    std::lock_guard lock(m_displayMutex);
    ScanDisplay display;
    display.folderText = m_progress.folderText;
    display.fileText = m_progress.fileText;
    if (m_progress.recorded > 0) {
        display.countText = decimalText(static_cast<std::int64_t>(m_progress.recorded));
        display.sizeText = megabytesText(m_progress.recordedTotal) + " MB";
    }
    if (m_progress.atEnd) {
        display.recordedBar = kRecordedBarEnd;
        display.seenBar = kSeenBarEnd;
        display.foldersBar = kFoldersBarEnd;
    } else {
        display.recordedBar = barPosition(m_progress.recordedSteps, kRecordedBarEnd);
        display.seenBar = barPosition(m_progress.seen, kSeenBarEnd);
        display.foldersBar = barPosition(m_progress.folders, kFoldersBarEnd);
    }
    return display;
}

std::vector<ScanTreeItem> ScanJob::treeItems(std::size_t first) const {
    std::lock_guard lock(m_displayMutex);
    if (first >= m_tree.size()) {
        return {};
    }
    return {m_tree.begin() + static_cast<std::ptrdiff_t>(first), m_tree.end()};
}

std::string ScanJob::folderOutline() const {
    std::lock_guard lock(m_displayMutex);
    // Items are added as the walk meets their folders, depth first, which is pre-order.
    std::string outline;
    for (std::size_t i = 0; i < m_tree.size(); ++i) {
        outline.append(static_cast<std::size_t>(m_depths[i]), '\t');
        outline += m_tree[i].text;
        outline += "\r\n";
    }
    return outline;
}

ScanTotals ScanJob::totals() const {
    // Each stored size text read back as unsigned 32 bits, so that a file of 2 GiB or more (its
    // text negative) still adds its low 32 bits rather than taking them away.
    std::uint64_t sum = 0;
    for (const CQXFileData& entry : m_entries) {
        sum += storedFileSize(entry.size());
    }
    ScanTotals totals;
    totals.countText = decimalText(static_cast<std::int64_t>(m_entries.size()));
    totals.sizeText = megabytesText(static_cast<double>(sum)) + " MB";
    totals.discSizeText = megabytesText(static_cast<double>(m_grandTotal));
    return totals;
}

FileEntries ScanJob::takeEntries() {
    return std::exchange(m_entries, {});
}

}  // namespace vorlix
