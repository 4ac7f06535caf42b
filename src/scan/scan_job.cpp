#include "scan/scan_job.h"

#include <utility>

#include "core/file_name_text.h"
#include "core/numbers.h"
#include "core/stored_size.h"
#include "core/text_case.h"
#include "online/media_tag_source.h"
#include "scan/archive_listing.h"
#include "scan/archive_names.h"

namespace vorlix {

namespace {

// The progress bars' ranges; stepping past the end starts a bar again from 0, so the bars show
// activity rather than a fraction.
constexpr int kRecordedBarEnd = 100;
constexpr int kSeenBarEnd = 50;
constexpr int kFoldersBarEnd = 100;
// How many paths of unreadable items, and of archives that could not be listed, are named.
constexpr std::size_t kSamples = 5;

int barPosition(std::size_t steps, int end) {
    return static_cast<int>(steps % static_cast<std::size_t>(end + 1));
}

// "2 items could not be read ...: " and the first few paths; empty for none.
std::string countedPaths(std::size_t count, const std::vector<std::string>& samples,
                         std::string_view one, std::string_view several) {
    if (count == 0) {
        return {};
    }
    std::string text = decimalText(static_cast<std::int64_t>(count));
    text += count == 1 ? one : several;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        text += (i == 0 ? "" : ", ") + samples[i];
    }
    if (count > samples.size()) {
        text += ", ...";
    }
    return text;
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

void ScanJob::setListArchives(bool on) {
    m_listArchives = on;
}

void ScanJob::setArchiveLimit(std::uint64_t bytes) {
    m_archiveLimit = bytes;
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
    m_walkListArchives = m_listArchives;
    m_walkArchiveLimit = m_archiveLimit;
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

Result ScanJob::walk(DiscVolume& volume, const std::function<void()>& afterEntry) {
    m_afterEntry = afterEntry ? &afterEntry : nullptr;
    m_walkVolume = &volume;
    Result walked = carryOn() ? walkTree(volume) : Result::success();
    {
        std::lock_guard lock(m_displayMutex);
        m_progress.atEnd = walked.ok() && carryOn();
    }
    if (walked.ok() && carryOn() && m_audio) {
        m_mediaTag = m_mediaTags.mediaTag(m_walkDrivePath);
    }
    m_afterEntry = nullptr;
    m_walkVolume = nullptr;
    finishWalk(walked.ok());
    return walked;
}

// Depth first without recursion: a disc may hold folders nested deeper than the thread's stack
// would take frames. Each folder's own files come before its subfolders; the root's own files
// come last, after every folder below it.
Result ScanJob::walkTree(DiscVolume& volume) {
    m_path.clear();
    m_folderPath = m_rootFolder;
    std::vector<DirectoryEntry> root;
    if (!volume.list("", root)) {
        return Result::failure("The disc cannot be scanned: its root folder cannot be read.");
    }
    std::set<FolderPlace> entered;
    if (const auto place = volume.place("")) {
        entered.insert(*place);
    }
    std::vector<Frame> stack;
    stack.push_back({std::move(root), 0, 0, 0, m_folderPath.size()});
    while (!stack.empty() && carryOn()) {
        Frame& frame = stack.back();
        while (frame.next < frame.entries.size() && !frame.entries[frame.next].folder) {
            ++frame.next;
        }
        if (frame.next == frame.entries.size()) {
            leaveFolder(stack);
            continue;
        }
        if (Result inside = enterFolder(volume, stack, entered); !inside.ok()) {
            return inside;
        }
    }
    // A stopped walk has left the folders it was in, as far as the folders bar tells.
    if (!stack.empty()) {
        std::lock_guard lock(m_displayMutex);
        m_progress.folders += stack.size() - 1;
    }
    return Result::success();
}

Result ScanJob::enterFolder(DiscVolume& volume, std::vector<Frame>& stack,
                            std::set<FolderPlace>& entered) {
    Frame& parent = stack.back();
    const DirectoryEntry& entry = parent.entries[parent.next++];
    // The volume is walked by the names' own bytes; the catalogue keeps their text.
    std::string storage;
    const std::string name(fileNameText(entry.name, storage));
    const int item = addTreeItem(name, parent.item);
    {
        std::lock_guard lock(m_displayMutex);
        m_progress.folderText = name;
    }
    m_path += m_path.empty() ? entry.name : "/" + entry.name;
    m_folderPath += lowerCase(name) + "\\";
    Frame folder{{}, 0, item, m_path.size(), m_folderPath.size()};
    if (!volume.list(m_path, folder.entries)) {
        noteUnreadable(m_folderPath);
        m_path.resize(parent.pathSize);
        m_folderPath.resize(parent.folderPathSize);
        std::lock_guard lock(m_displayMutex);
        ++m_progress.folders;
        return Result::success();
    }
    if (const auto place = volume.place(m_path); place && !entered.insert(*place).second) {
        return Result::failure("The disc cannot be scanned: its folder tree loops at " +
                               m_folderPath + ", which leads back to a folder already read.");
    }
    readFiles(folder.entries, m_folderPath, item);
    stack.push_back(std::move(folder));
    return Result::success();
}

void ScanJob::leaveFolder(std::vector<Frame>& stack) {
    if (stack.size() == 1) {
        readFiles(stack.back().entries, m_rootFolder, 0);
    } else {
        std::lock_guard lock(m_displayMutex);
        ++m_progress.folders;
    }
    stack.pop_back();
    if (!stack.empty()) {
        m_path.resize(stack.back().pathSize);
        m_folderPath.resize(stack.back().folderPathSize);
    }
}

void ScanJob::readFiles(const std::vector<DirectoryEntry>& entries, const std::string& folderPath,
                        int item) {
    for (const DirectoryEntry& entry : entries) {
        if (entry.unreadable) {
            std::string storage;
            noteUnreadable(folderPath + std::string(fileNameText(entry.name, storage)));
        } else if (!entry.folder) {
            meetFile(entry, folderPath, item);
        }
        if (!carryOn()) {
            return;
        }
    }
}

void ScanJob::noteUnreadable(std::string path) {
    std::lock_guard lock(m_displayMutex);
    ++m_progress.unreadable;
    if (m_progress.unreadableSamples.size() < kSamples) {
        m_progress.unreadableSamples.push_back(std::move(path));
    }
}

void ScanJob::noteUnlisted(std::string path) {
    std::lock_guard lock(m_displayMutex);
    ++m_progress.unlisted;
    if (m_progress.unlistedSamples.size() < kSamples) {
        m_progress.unlistedSamples.push_back(std::move(path));
    }
}

void ScanJob::meetFile(const DirectoryEntry& file, const std::string& folderPath, int item) {
    m_grandTotal += file.size;
    const std::string_view name = fileNameText(file.name, m_nameStorage);
    if (considerFile(name, file.size, folderPath) && m_walkListArchives && isArchiveName(name)) {
        listArchive(file, std::string(name), folderPath, item);
    }
}

bool ScanJob::considerFile(std::string_view name, std::uint64_t size,
                           const std::string& folderPath) {
    const bool record =
        !m_walkFilterOn ||
        m_walkLists->decide(name, m_walkSkipNoExtension, m_detected) == FilterDecision::Record;
    if (record) {
        recordFile(name, size, folderPath);
    } else {
        std::lock_guard lock(m_displayMutex);
        ++m_progress.seen;
    }
    if (m_afterEntry) {
        (*m_afterEntry)();
    }
    return record;
}

void ScanJob::listArchive(const DirectoryEntry& file, const std::string& name,
                          const std::string& folderPath, int item) {
    const std::string volumePath = m_path.empty() ? file.name : m_path + "/" + file.name;
    const std::unique_ptr<VolumeFile> data = m_walkVolume->openFile(volumePath);
    ArchiveListing listing;
    const ArchiveListOptions options{m_walkArchiveLimit, true, [this] { return carryOn(); }};
    const bool listed = data && listing.read(*data, options).ok();
    if (!carryOn()) {
        return;
    }
    if (!listed) {
        noteUnlisted(folderPath + name);
        return;
    }
    takeListing(listing, name, folderPath + lowerCase(name) + "\\", item);
}

void ScanJob::takeListing(const ArchiveListing& listing, const std::string& name,
                          const std::string& archiveFolder, int parentItem) {
    const std::vector<ArchiveListing::Folder>& folders = listing.folders();
    // A folder always comes after the one it is in, so each path builds on one made before.
    std::vector<std::string> folderPaths;
    folderPaths.reserve(folders.size());
    for (const ArchiveListing::Folder& folder : folders) {
        const std::string& above = folder.parent < 0
                                       ? archiveFolder
                                       : folderPaths[static_cast<std::size_t>(folder.parent)];
        folderPaths.push_back(above + lowerCase(folder.name) + "\\");
    }
    // Index 0 stands for the archive itself, folder i for i + 1.
    std::vector<std::vector<std::size_t>> nestedIn(folders.size() + 1);
    for (std::size_t i = 0; i < listing.members().size() && carryOn(); ++i) {
        const ArchiveListing::Member& member = listing.members()[i];
        const std::string& folderPath = member.folder < 0
                                            ? archiveFolder
                                            : folderPaths[static_cast<std::size_t>(member.folder)];
        const std::string_view memberName = listing.name(member);
        if (!considerFile(memberName, member.size, folderPath)) {
            continue;
        }
        if (listing.unlisted(i)) {
            noteUnlisted(folderPath + std::string(memberName));
        } else if (listing.contents(i) != nullptr) {
            nestedIn[static_cast<std::size_t>(member.folder + 1)].push_back(i);
        }
    }

    // The items in pre-order, as the outline reads them: depth first from the archive's item,
    // each folder followed by the archives in it, then by its own folders.
    std::vector<std::vector<std::size_t>> children(folders.size() + 1);
    for (std::size_t i = 0; i < folders.size(); ++i) {
        children[static_cast<std::size_t>(folders[i].parent + 1)].push_back(i + 1);
    }
    std::vector<int> items(folders.size() + 1, -1);
    std::vector<std::size_t> pending{0};
    while (!pending.empty() && carryOn()) {
        const std::size_t at = pending.back();
        pending.pop_back();
        const int parent =
            at == 0 ? parentItem : items[static_cast<std::size_t>(folders[at - 1].parent + 1)];
        items[at] = addTreeItem(at == 0 ? name : folders[at - 1].name, parent);
        const std::string& path = at == 0 ? archiveFolder : folderPaths[at - 1];
        for (const std::size_t nested : nestedIn[at]) {
            const std::string nestedName(listing.name(listing.members()[nested]));
            takeListing(*listing.contents(nested), nestedName, path + lowerCase(nestedName) + "\\",
                        items[at]);
        }
        pending.insert(pending.end(), children[at].rbegin(), children[at].rend());
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

void ScanJob::finishWalk(bool walked) {
    std::lock_guard lock(m_stateMutex);
    m_walkActive = false;
    if (m_state == ScanState::Walking && walked) {
        m_state = ScanState::Completed;
        return;
    }
    if (m_state == ScanState::Walking) {
        m_state = ScanState::Idle;
    }
    discard();
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
    m_progress.unreadable = 0;
    m_progress.unreadableSamples.clear();
    m_progress.unlisted = 0;
    m_progress.unlistedSamples.clear();
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
    display.unreadableText = unreadableTextLocked();
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

std::string ScanJob::unreadableText() const {
    std::lock_guard lock(m_displayMutex);
    return unreadableTextLocked();
}

std::string ScanJob::unreadableTextLocked() const {
    std::string text = countedPaths(m_progress.unreadable, m_progress.unreadableSamples,
                                    " item could not be read and is not catalogued: ",
                                    " items could not be read and are not catalogued: ");
    const std::string archives =
        countedPaths(m_progress.unlisted, m_progress.unlistedSamples,
                     " archive could not be listed and is catalogued as a file: ",
                     " archives could not be listed and are catalogued as files: ");
    if (!text.empty() && !archives.empty()) {
        text += "; ";
    }
    return text + archives;
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
