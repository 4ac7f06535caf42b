#include "scan/scan_session.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/settings_store.h"
#include "core/user_prompt.h"
#include "scan/archive_settings.h"
#include "scan/filter_lists.h"
#include "scan/scanned_disc.h"

namespace vorlix {

namespace {

// A drive list item names its drive by the text up to and including the first "\".
std::string rootOf(const std::string& itemText) {
    const std::size_t slash = itemText.find('\\');
    return slash == std::string::npos ? itemText : itemText.substr(0, slash + 1);
}

bool sameDrive(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() &&
           std::tolower(static_cast<unsigned char>(a[0])) ==
               std::tolower(static_cast<unsigned char>(b[0]));
}

}  // namespace

ScanSession::ScanSession(ScanRequest request, FilterLists& lists, MediaTagSource& mediaTags,
                         SettingsStore& settings, UserPrompt& prompt,
                         ScanFilterOpener& filterOpener)
    : m_request(std::move(request)),
      m_lists(lists),
      m_settings(settings),
      m_prompt(prompt),
      m_filterOpener(filterOpener),
      m_job(std::make_unique<ScanJob>(lists, mediaTags)) {
    m_job->setDiscNumber(m_request.discNumber);
}

ScanSession::~ScanSession() = default;

bool ScanSession::open() {
    m_job->setSkipFilesWithoutExtension(
        m_settings.readNumber(setting::kSettingsKey, setting::kDelNoExt) != 0);
    m_job->setFilterOn(readFlag(m_settings, setting::kFilter));
    m_job->setListArchives(readFlag(m_settings, setting::kListArchives));
    m_archiveLimit = readArchiveLimitMegabytes(m_settings);
    m_job->setArchiveLimit(megabytesToBytes(m_archiveLimit));
    m_autoSave = true;
    m_saveEnabled = false;
    m_job->setDrivePath(m_request.preselectedDrive);
    return !m_request.preselectedDrive.empty();
}

void ScanSession::selectDrive(int row) {
    if (row < 0 || row >= static_cast<int>(m_driveItems.size())) {
        return;
    }
    m_selectedDrive = row;
    m_job->setDrivePath(rootOf(m_driveItems[static_cast<std::size_t>(row)]));
}

std::vector<DiscSource> ScanSession::addedSources() const {
    std::vector<DiscSource> added;
    std::copy_if(
        m_sources.begin(), m_sources.end(), std::back_inserter(added),
        [](const DiscSource& source) { return source.kind != DiscSourceKind::OpticalDrive; });
    return added;
}

void ScanSession::showDrives(std::vector<ScanDriveItem> items) {
    m_sources.clear();
    m_driveItems.clear();
    for (ScanDriveItem& item : items) {
        m_sources.push_back(std::move(item.source));
        m_driveItems.push_back(std::move(item.text));
    }
    const std::string& drivePath = m_job->drivePath();
    const auto chosen =
        std::find_if(m_driveItems.begin(), m_driveItems.end(),
                     [&drivePath](const std::string& text) { return sameDrive(text, drivePath); });
    m_selectedDrive =
        chosen == m_driveItems.end() ? -1 : static_cast<int>(chosen - m_driveItems.begin());
    if (drivePath.empty()) {
        selectDrive(0);
    }
}

void ScanSession::showAddedSource(ScanDriveItem item) {
    const auto known = std::find_if(
        m_sources.begin(), m_sources.end(),
        [&item](const DiscSource& other) { return sameDrive(other.root, item.source.root); });
    const auto row = static_cast<std::size_t>(known - m_sources.begin());
    if (known == m_sources.end()) {
        m_sources.push_back(std::move(item.source));
        m_driveItems.push_back(std::move(item.text));
    } else {
        *known = std::move(item.source);
        m_driveItems[row] = std::move(item.text);
    }
    selectDrive(static_cast<int>(row));
}

bool ScanSession::isFolderSource(const std::string& drivePath) const {
    return std::any_of(m_sources.begin(), m_sources.end(), [&](const DiscSource& source) {
        return source.kind == DiscSourceKind::Folder && sameDrive(source.root, drivePath);
    });
}

std::optional<std::string> ScanSession::beginScan() {
    if (m_readingDisc || m_job->walking() || closed()) {
        return std::nullopt;
    }
    m_job->leaveCompleted();
    // Save stays enabled after a refused command; the job, no longer Completed, keeps it from
    // saving anything.
    m_saveEnabled = true;
    const std::string drivePath = m_job->drivePath();
    if (drivePath.empty()) {
        m_prompt.message(kSelectDriveMessage, MessageIcon::Information);
        return std::nullopt;
    }
    m_readingDisc = true;
    m_saveEnabled = false;
    return drivePath;
}

bool ScanSession::startWalk(OpenedDisc disc) {
    m_saveEnabled = true;
    if (!std::exchange(m_readingDisc, false) || closed()) {
        return false;
    }
    if (!disc.ready) {
        m_prompt.message(disc.problem.empty() ? std::string(kDriveNotReadyMessage) : disc.problem,
                         MessageIcon::Stop);
        return false;
    }
    const bool virtualDisc = isFolderSource(m_job->drivePath());
    if (virtualDisc) {
        m_job->setVolume(std::string(kVirtualDiscName), {});
    } else {
        m_job->readVolume(disc.identity);
        const auto& known = m_request.knownSerials;
        if (std::find(known.begin(), known.end(), m_job->serialText()) != known.end()) {
            m_prompt.message(kSameSerialMessage, MessageIcon::Warning);
            return false;
        }
    }
    if (const Result prepared = m_job->prepare(); !prepared.ok()) {
        m_prompt.message(prepared.message(), MessageIcon::Stop);
        return false;
    }
    m_volume = std::move(disc.volume);
    m_virtualDisc = virtualDisc;
    m_saveEnabled = false;
    return true;
}

void ScanSession::runWalk(const std::function<void()>& afterEntry) {
    m_walked = m_job->walk(*m_volume, afterEntry);
    m_volume.reset();
}

void ScanSession::walkEnded() {
    m_saveEnabled = true;
    const std::optional<Result> walked = std::exchange(m_walked, std::nullopt);
    if (closed()) {
        return;
    }
    if (walked && !walked->ok()) {
        m_prompt.message(walked->message(), MessageIcon::Stop);
    } else if (!m_job->detectedExtensions().empty()) {
        openFilter();
    }
}

bool ScanSession::walking() const {
    return m_job->walking();
}

void ScanSession::stop() {
    m_readingDisc = false;
    m_job->stop();
    if (!m_driveItems.empty()) {
        selectDrive(0);
    }
}

void ScanSession::close() {
    m_readingDisc = false;
    m_job->close();
}

bool ScanSession::closed() const {
    return m_job->state() == ScanState::Closed;
}

std::optional<SavedScan> ScanSession::save() {
    if (!m_job->completed()) {
        m_prompt.message(kScanFirstMessage, MessageIcon::Information);
        return std::nullopt;
    }
    SavedScan saved;
    saved.audio = m_job->audio();
    saved.autoSave = m_autoSave;
    saved.disc =
        makeScannedDisc(*m_job, m_request, m_virtualDisc ? kVirtualLocation : kHomeLocation,
                        readFlag(m_settings, setting::kShare), todayDiscDateText());
    // The entries have gone into the disc: a second Save must not make an empty twin of it.
    m_job->leaveCompleted();
    return saved;
}

bool ScanSession::filterOn() const {
    return m_job->filterOn();
}

void ScanSession::setFilterOn(bool on) {
    m_job->setFilterOn(on);
}

void ScanSession::setAutoSave(bool on) {
    m_autoSave = on;
    writeFlag(m_settings, setting::kAutoSave, on);
}

bool ScanSession::listArchives() const {
    return m_job->listArchives();
}

void ScanSession::setListArchives(bool on) {
    m_job->setListArchives(on);
    writeFlag(m_settings, setting::kListArchives, on);
}

void ScanSession::setArchiveLimitMegabytes(std::uint32_t megabytes) {
    m_archiveLimit = megabytes;
    m_job->setArchiveLimit(megabytesToBytes(megabytes));
    writeArchiveLimitMegabytes(m_settings, megabytes);
}

void ScanSession::showScanFilter() {
    if (!m_job->walking()) {
        openFilter();
    }
}

void ScanSession::openFilter() {
    if (const Result loaded = m_lists.load(); !loaded.ok()) {
        m_prompt.message(loaded.message(), MessageIcon::Stop);
        return;
    }
    m_filterOpener.open(m_job->detectedExtensions());
}

}  // namespace vorlix
