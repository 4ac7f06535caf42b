#include "scan/scan_session.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "app/setting_names.h"
#include "app/settings/settings_flags.h"
#include "app/settings_store.h"
#include "core/user_prompt.h"
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

ScanSession::ScanSession(ScanRequest request, DiscDrives& drives, FilterLists& lists,
                         MediaTagSource& mediaTags, SettingsStore& settings, UserPrompt& prompt,
                         ScanFilterOpener& filterOpener)
    : m_request(std::move(request)),
      m_drives(drives),
      m_lists(lists),
      m_settings(settings),
      m_prompt(prompt),
      m_filterOpener(filterOpener),
      m_job(std::make_unique<ScanJob>(lists, mediaTags)) {
    m_job->setDiscNumber(m_request.discNumber);
}

ScanSession::~ScanSession() = default;

bool ScanSession::open() {
    refreshDrives();
    m_job->setSkipFilesWithoutExtension(
        m_settings.readNumber(setting::kSettingsKey, setting::kDelNoExt) != 0);
    m_job->setFilterOn(readFlag(m_settings, setting::kFilter));
    m_autoSave = true;
    m_saveEnabled = false;
    if (!m_request.preselectedDrive.empty()) {
        m_job->setDrivePath(m_request.preselectedDrive);
        const auto found =
            std::find_if(m_driveItems.begin(), m_driveItems.end(), [this](const std::string& item) {
                return sameDrive(item, m_request.preselectedDrive);
            });
        m_selectedDrive =
            found == m_driveItems.end() ? -1 : static_cast<int>(found - m_driveItems.begin());
        return true;
    }
    if (!m_driveItems.empty()) {
        selectDrive(0);
    }
    return false;
}

void ScanSession::selectDrive(int row) {
    if (row < 0 || row >= static_cast<int>(m_driveItems.size())) {
        return;
    }
    m_selectedDrive = row;
    m_job->setDrivePath(rootOf(m_driveItems[static_cast<std::size_t>(row)]));
}

void ScanSession::refreshDrives() {
    std::vector<DiscSource> sources = m_drives.opticalDrives();
    std::copy_if(
        m_sources.begin(), m_sources.end(), std::back_inserter(sources),
        [](const DiscSource& source) { return source.kind != DiscSourceKind::OpticalDrive; });
    m_sources = std::move(sources);
    m_driveItems.clear();
    for (const DiscSource& source : m_sources) {
        m_driveItems.push_back(itemText(source));
    }
    if (m_selectedDrive >= static_cast<int>(m_driveItems.size())) {
        m_selectedDrive = -1;
    }
}

void ScanSession::addImage(const std::string& path) {
    addSource(m_drives.addImage(path));
}

void ScanSession::addFolder(const std::string& path) {
    addSource(m_drives.addFolder(path));
}

void ScanSession::addSource(const DiscSource& source) {
    const auto known =
        std::find_if(m_sources.begin(), m_sources.end(),
                     [&](const DiscSource& other) { return sameDrive(other.root, source.root); });
    const auto row = static_cast<std::size_t>(known - m_sources.begin());
    if (known == m_sources.end()) {
        m_sources.push_back(source);
        m_driveItems.push_back(itemText(source));
    } else {
        *known = source;
        m_driveItems[row] = itemText(source);
    }
    selectDrive(static_cast<int>(row));
}

std::string ScanSession::itemText(const DiscSource& source) {
    const auto volume = m_drives.open(source.root);
    if (!volume || !volume->ready()) {
        return source.root + " not ready";
    }
    // A folder has no label; its place on the disk tells it apart.
    if (source.kind == DiscSourceKind::Folder) {
        return source.root + " " + source.location;
    }
    const auto identity = volume->identity();
    return source.root + " " + (identity ? identity->label : std::string());
}

bool ScanSession::isFolderSource(const std::string& drivePath) const {
    return std::any_of(m_sources.begin(), m_sources.end(), [&](const DiscSource& source) {
        return source.kind == DiscSourceKind::Folder && sameDrive(source.root, drivePath);
    });
}

bool ScanSession::beginScan() {
    if (m_job->walking() || closed()) {
        return false;
    }
    m_job->leaveCompleted();
    // Save stays enabled after a refused command; the job, no longer Completed, keeps it from
    // saving anything.
    m_saveEnabled = true;
    const std::string drivePath = m_job->drivePath();
    if (drivePath.empty()) {
        m_prompt.message(kSelectDriveMessage, MessageIcon::Information);
        return false;
    }
    auto volume = m_drives.open(drivePath);
    if (!volume || !volume->ready()) {
        m_prompt.message(kDriveNotReadyMessage, MessageIcon::Stop);
        return false;
    }
    const bool virtualDisc = isFolderSource(drivePath);
    if (virtualDisc) {
        m_job->setVolume(std::string(kVirtualDiscName), {});
    } else {
        m_job->readVolume(*volume);
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
    m_volume = std::move(volume);
    m_virtualDisc = virtualDisc;
    m_saveEnabled = false;
    return true;
}

void ScanSession::runWalk(const std::function<void()>& afterEntry) {
    m_job->walk(*m_volume, afterEntry);
}

void ScanSession::walkEnded() {
    m_saveEnabled = true;
    if (!closed() && !m_job->detectedExtensions().empty()) {
        openFilter();
    }
}

bool ScanSession::walking() const {
    return m_job->walking();
}

void ScanSession::stop() {
    m_job->stop();
    if (!m_driveItems.empty()) {
        selectDrive(0);
    }
}

void ScanSession::close() {
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
