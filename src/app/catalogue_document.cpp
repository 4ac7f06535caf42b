#include "app/catalogue_document.h"

#include <algorithm>
#include <array>

#include "accounts/ownership.h"
#include "app/document_services.h"
#include "app/long_work.h"
#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/catalog_format.h"
#include "core/user_prompt.h"
#include "core/watched_source.h"
#include "platform/file_lock.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

std::string fileNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// " (at byte N)" for a damaged file; nothing for a failure of the file system.
std::string whereReadingStopped(const std::exception& failure) {
    const auto* archive = dynamic_cast<const ArchiveError*>(&failure);
    return archive ? " (at byte " + std::to_string(archive->offset()) + ")" : "";
}

// Marks the document as reading a catalogue for as long as it lives.
class ReadingMark {
public:
    explicit ReadingMark(bool& reading) : m_reading(reading) { m_reading = true; }
    ~ReadingMark() { m_reading = false; }
    ReadingMark(const ReadingMark&) = delete;
    ReadingMark& operator=(const ReadingMark&) = delete;

private:
    bool& m_reading;
};

std::string saveFailureText(const std::string& path, const std::string& reason) {
    return "Could not save the catalogue \"" + path + "\": " + reason +
           ". The file on disk was not changed.";
}

constexpr std::array<std::string_view, kRecentFileCount> kRecentFileNames = {
    setting::kRecentFile1, setting::kRecentFile2, setting::kRecentFile3, setting::kRecentFile4};

// Where each pane command goes, and whether it needs a disc in the catalogue.
struct CommandRoute {
    PaneCommand command;
    std::string_view paneClass;
    bool needsDisc;
};

constexpr std::array kCommandRoutes = {
    CommandRoute{PaneCommand::Scan, kCommandsViewClass, false},
    CommandRoute{PaneCommand::FindGaps, kCommandsViewClass, true},
    CommandRoute{PaneCommand::DeleteDisc, kLeftViewClass, true},
    CommandRoute{PaneCommand::Cddb, kCommandsViewClass, false},
    CommandRoute{PaneCommand::AddBlankDisc, kCommandsViewClass, true},
    CommandRoute{PaneCommand::DiscInfo, kLeftViewClass, true},
    CommandRoute{PaneCommand::SetBlankCover, kLeftViewClass, false},
    CommandRoute{PaneCommand::Lend, kCommandsViewClass, false},
    CommandRoute{PaneCommand::GetBack, kCommandsViewClass, false},
    CommandRoute{PaneCommand::ShowAvailable, kCommandsViewClass, false},
    CommandRoute{PaneCommand::ShowNonAvailable, kCommandsViewClass, false},
    CommandRoute{PaneCommand::Search, kCommandsViewClass, false},
    CommandRoute{PaneCommand::FileViewLargeIcons, kQX2ViewClass, false},
    CommandRoute{PaneCommand::FileViewSmallIcons, kQX2ViewClass, false},
    CommandRoute{PaneCommand::TreeSmallIcons, kLeftViewClass, false},
    CommandRoute{PaneCommand::TreeLargeIcons, kLeftViewClass, false},
    CommandRoute{PaneCommand::ViewAllOnTree, kCategoriesViewClass, false},
};

const CommandRoute& routeOf(PaneCommand command) {
    return *std::ranges::find(kCommandRoutes, command, &CommandRoute::command);
}

}  // namespace

std::string changedElsewhereQuestion(const std::string& path) {
    return "The catalogue \"" + path +
           "\" was changed by another program after it was opened or saved here. Save over it "
           "and lose that program's changes?";
}

CQX2Doc::CQX2Doc(DocumentServices services, std::string programFolder)
    : m_services(services),
      m_programFolder(std::move(programFolder)),
      m_catalogue(std::make_unique<CQXCatalog>()) {}

CQX2Doc::~CQX2Doc() = default;

void CQX2Doc::addPane(Pane& pane) {
    m_panes.push_back(&pane);
}

void CQX2Doc::removePane(const Pane& pane) {
    std::erase(m_panes, &pane);
}

Pane* CQX2Doc::pane(std::string_view className) const {
    const auto found = std::ranges::find_if(
        m_panes, [className](const Pane* p) { return p->paneClassName() == className; });
    return found == m_panes.end() ? nullptr : *found;
}

void CQX2Doc::publishTreeCatalogue() {
    m_services.shared.publishTreeCatalogue(*m_catalogue);
}

std::vector<std::string> CQX2Doc::recentFiles() const {
    std::vector<std::string> files;
    for (const std::string_view name : kRecentFileNames) {
        std::string path = m_services.settings.readText(setting::kRecentFileListKey, name,
                                                        setting::kRecentFileLimit);
        if (!path.empty()) {
            files.push_back(std::move(path));
        }
    }
    return files;
}

void CQX2Doc::writeRecentFiles(const std::vector<std::string>& files) {
    SettingsStore& settings = m_services.settings;
    if (!settings.keyExists(setting::kRecentFileListKey)) {
        settings.createKey(setting::kRecentFileListKey);
    }
    for (std::size_t i = 0; i < kRecentFileNames.size(); ++i) {
        if (i < files.size()) {
            settings.writeText(setting::kRecentFileListKey, kRecentFileNames[i], files[i]);
        } else {
            settings.deleteValue(setting::kRecentFileListKey, kRecentFileNames[i]);
        }
    }
}

void CQX2Doc::rememberRecentFile(const std::string& path) {
    std::vector<std::string> files = recentFiles();
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > kRecentFileCount) {
        files.resize(kRecentFileCount);
    }
    writeRecentFiles(files);
}

void CQX2Doc::forgetRecentFile(const std::string& path) {
    std::vector<std::string> files = recentFiles();
    if (std::erase(files, path) > 0) {
        writeRecentFiles(files);
    }
}

bool CQX2Doc::checkOwner() {
    if (isOwner(*m_catalogue, m_identity)) {
        return true;
    }
    m_services.prompt.message(refusalText(m_identity));
    return false;
}

void CQX2Doc::setModified(bool modified) {
    m_modified = modified;
    if (modified) {
        m_searchIndex.discChanged(m_currentDisc.number());
    }
}

void CQX2Doc::freshCatalogue() {
    m_currentDisc.clear();
    m_catalogue = std::make_unique<CQXCatalog>();
    m_searchIndex.everythingChanged();
    m_catalogue->addDefaultNamedObjects();
}

void CQX2Doc::reset() {
    resetCatalogue();
    showCatalogueInPanes();
}

void CQX2Doc::resetCatalogue() {
    if (m_firstLoginDone) {
        freshCatalogue();
        return;
    }
    m_firstLoginDone = true;
    if (auto identity = m_services.login.login(m_programFolder)) {
        m_identity = std::move(*identity);
        m_serialized = false;
        freshCatalogue();
    } else if (!m_serialized) {
        m_services.application.quit();
    }
}

void CQX2Doc::afterSerialize(std::optional<SharedFileForm> prepared) {
    m_serialized = true;
    // The framework clears the modified flag after a load or save; the owner assignment comes
    // after that so that owners given to an owner-less catalogue are not silently dropped.
    m_modified = false;
    if (assignOwnerIfMissing(*m_catalogue, m_identity, m_services.prompt)) {
        m_modified = true;
        prepared.reset();
    }
    if (prepared) {
        m_services.shared.publishPrepared(std::move(*prepared));
    } else {
        m_services.shared.publish(*m_catalogue);
    }
}

bool CQX2Doc::openDocument(const std::string& path) {
    return open(path) == OpenResult::Opened;
}

CQX2Doc::OpenResult CQX2Doc::open(const std::string& path) {
    if (m_reading || !saveModified()) {
        return OpenResult::Kept;
    }
    std::unique_ptr<FileSource> source;
    try {
        source = std::make_unique<FileSource>(path);
    } catch (const std::exception& e) {
        m_services.prompt.message(
            "Could not open the catalogue \"" + path + "\": " + e.what() + ".", MessageIcon::Stop);
        return OpenResult::Failed;
    }
    // The file is read into a catalogue of its own, so that a cancelled read leaves the one
    // shown untouched, and nothing the panes add to an empty catalogue (the default
    // categories) mixes with what the file holds.
    std::unique_ptr<CQXCatalog> read;
    SearchIndex index;
    SharedFileForm shared;
    try {
        read = readInBackground(path, *source, index, shared);
    } catch (const std::exception& e) {
        m_services.windows.closeSearchWindows();
        endPlaylistWindows();
        reset();
        m_path.clear();
        m_services.prompt.message("Could not read the catalogue \"" + path + "\": " + e.what() +
                                      whereReadingStopped(e) + ".",
                                  MessageIcon::Stop);
        return OpenResult::Failed;
    }
    if (!read) {
        return OpenResult::Kept;
    }
    m_services.windows.closeSearchWindows();
    endPlaylistWindows();
    resetCatalogue();
    m_catalogue = std::move(read);
    m_searchIndex = std::move(index);
    m_path = path;
    m_fileIdentity = source->identity();
    m_modified = false;
    if (source->size() > 0) {
        afterSerialize(std::move(shared));
        rememberRecentFile(path);
    }
    showCatalogueInPanes();
    return OpenResult::Opened;
}

std::unique_ptr<CQXCatalog> CQX2Doc::readInBackground(const std::string& path, ByteSource& source,
                                                      SearchIndex& index, SharedFileForm& shared) {
    auto catalogue = std::make_unique<CQXCatalog>();
    catalogue->addDefaultNamedObjects();
    if (source.size() == 0) {
        return catalogue;
    }
    WorkProgress progress;
    progress.total = source.size();
    WatchedSource watched(source, progress.done, progress.cancelRequested);
    const ReadingMark mark(m_reading);
    try {
        m_services.longWork.run("Reading the catalogue \"" + fileNameOf(path) + "\"...", progress,
                                [&] {
                                    readCatalogue(watched, m_services.codePage, *catalogue);
                                    static_cast<void>(index.discs(*catalogue));
                                    shared = m_services.shared.prepare(*catalogue);
                                });
    } catch (const ReadCancelled&) {
        return nullptr;
    }
    return catalogue;
}

void CQX2Doc::removeFileEntries(const std::function<std::uint64_t(CQXCatalog&)>& change) {
    m_services.windows.closeSearchWindows();
    endPlaylistWindows();
    FileListPane* list = fileList(*this);
    if (list) {
        list->clear();
    }
    if (change(*m_catalogue) > 0) {
        m_modified = true;
        // The discs whose entries went have new lists, which the search snapshots notice.
        m_searchIndex.discChanged({});
    }
    if (const CQXDisc* current = m_catalogue->findDisc(m_currentDisc.number());
        current && !m_currentDisc.number().empty()) {
        m_currentDisc.assign(*current);
    }
    if (const DiscTreePane* tree = discTree(*this); tree && list) {
        if (const std::string shown = tree->selectedItemPath(); !shown.empty()) {
            list->showFolder(shown);
        }
    }
    if (CommandsPane* commands = commandsPanel(*this)) {
        commands->refreshDiscFields();
    }
}

void CQX2Doc::showCatalogueInPanes() {
    if (FileListPane* list = fileList(*this)) {
        list->showCatalogue();
    }
    if (CategoriesPane* categories = categoriesPanel(*this)) {
        categories->showCatalogue();
    }
    if (DiscTreePane* tree = discTree(*this)) {
        tree->fill();
        tree->selectFirstDisc();
    }
    if (CommandsPane* commands = commandsPanel(*this)) {
        commands->showCatalogue();
    }
}

bool CQX2Doc::scanInProgress() const {
    return m_services.windows.scanInProgress();
}

void CQX2Doc::closeSearchWindows() {
    m_services.windows.closeSearchWindows();
}

bool CQX2Doc::lockForSave(const std::string& path, FileLock& lock) {
    // The state the user agreed to save over: the one read or saved here, then the one asked
    // about. The question is asked without the lock, so that no other program waits on the
    // user, and asked again when the file changed once more meanwhile.
    std::optional<FileIdentity> accepted = path == m_path ? m_fileIdentity : std::nullopt;
    while (true) {
        if (const Result locked = lock.acquire(path); !locked.ok()) {
            m_services.prompt.message(saveFailureText(path, locked.message()), MessageIcon::Stop);
            return false;
        }
        const std::optional<FileIdentity> now = fileIdentityAt(path);
        if (!accepted || !now || *now == *accepted) {
            return true;
        }
        lock.release();
        if (m_services.prompt.ask(changedElsewhereQuestion(path), Buttons::YesNo,
                                  MessageIcon::Warning) != Answer::Yes) {
            return false;
        }
        accepted = now;
    }
}

bool CQX2Doc::saveDocument(const std::string& path) {
    // Held to the new file's rename, so that no other program's change slips in after the
    // check.
    FileLock lock;
    if (!lockForSave(path, lock)) {
        return false;
    }
    m_services.windows.closeSearchWindows();
    endPlaylistWindows();
    const Result written = safeWriteFile(
        path, [this](ByteSink& sink) { writeCatalogue(*m_catalogue, m_services.codePage, sink); });
    if (!written.ok()) {
        m_services.prompt.message(saveFailureText(path, written.message()), MessageIcon::Stop);
        return false;
    }
    m_fileIdentity = fileIdentityAt(path);
    lock.release();
    m_path = path;
    afterSerialize();
    rememberRecentFile(path);
    return true;
}

std::string CQX2Doc::title() const {
    return m_path.empty() ? "Untitled" : fileNameOf(m_path);
}

bool CQX2Doc::saveModified() {
    if (!m_modified) {
        return true;
    }
    switch (m_services.prompt.ask("Save changes to " + title() + "?", Buttons::YesNoCancel,
                                  MessageIcon::Warning)) {
        case Answer::Yes:
            return onFileSave();
        case Answer::No:
            return true;
        default:
            return false;
    }
}

bool CQX2Doc::serializationRefused() {
    if (m_services.windows.scanInProgress()) {
        m_services.prompt.message(kScanRunningMessage);
        return true;
    }
    return false;
}

bool CQX2Doc::newOrOpenRefused() {
    if (serializationRefused()) {
        return true;
    }
    if (m_services.windows.searchWindowsOpen()) {
        m_services.prompt.message(kSearchOpenMessage);
        return true;
    }
    return false;
}

void CQX2Doc::onFileNew() {
    if (newOrOpenRefused() || !saveModified()) {
        return;
    }
    reset();
    m_path.clear();
    m_modified = false;
    m_services.windows.closeSearchWindows();
}

void CQX2Doc::onFileOpen() {
    if (newOrOpenRefused()) {
        return;
    }
    FileDialogRequest request;
    request.title = kOpenDialogTitle;
    request.filter = kOpenFilter;
    request.directory = m_services.settings.readText(setting::kLastFilesKey, setting::kQvdPathOpen,
                                                     setting::kPathLimit);
    const auto chosen = m_services.prompt.chooseFileToOpen(request);
    if (!chosen) {
        return;
    }
    m_services.settings.writeText(setting::kLastFilesKey, setting::kQvdPathOpen, folderOf(*chosen));
    // A file that could not be read has been reported; the command ends here either way.
    static_cast<void>(openDocument(*chosen));
}

void CQX2Doc::onOpenFile(const std::string& path) {
    if (newOrOpenRefused()) {
        return;
    }
    // As Open after its dialog: a failure has been reported already.
    static_cast<void>(openDocument(path));
}

void CQX2Doc::onOpenDemo() {
    if (newOrOpenRefused()) {
        return;
    }
    // A demo that is missing or damaged has been reported already.
    static_cast<void>(openDocument(m_programFolder + "Demo.vrd"));
}

bool CQX2Doc::onFileSave() {
    if (m_path.empty()) {
        return onFileSaveAs();
    }
    if (serializationRefused()) {
        return false;
    }
    return saveDocument(m_path);
}

bool CQX2Doc::onFileSaveAs() {
    if (serializationRefused()) {
        return false;
    }
    FileDialogRequest request;
    request.filter = kSaveFilter;
    request.defaultExtension = ".vrd";
    request.directory = folderOf(m_path);
    auto chosen = m_services.prompt.chooseFileToSave(request);
    if (!chosen) {
        return false;
    }
    if (fileNameOf(*chosen).find('.') == std::string::npos) {
        *chosen += request.defaultExtension;
    }
    return saveDocument(*chosen);
}

void CQX2Doc::onOpenRecent(const std::string& path) {
    if (serializationRefused()) {
        return;
    }
    // A catalogue that can no longer be opened leaves the list, as the framework's list does.
    if (open(path) == OpenResult::Failed) {
        forgetRecentFile(path);
    }
}

void CQX2Doc::openLastCatalogue() {
    if (m_services.settings.readNumber(setting::kSettingsKey, setting::kLoadDb) != 1) {
        return;
    }
    m_openedLastAtStart = true;
    const std::string path = m_services.settings.readText(
        setting::kRecentFileListKey, setting::kRecentFile1, setting::kRecentFileLimit);
    if (!path.empty()) {
        // The start goes on with an empty catalogue when the last one cannot be read, which
        // has been reported.
        static_cast<void>(openDocument(path));
    }
}

void CQX2Doc::emptyCatalogue() {
    m_services.windows.closeSearchWindows();
    m_services.windows.clearCatalogueViews();
    reset();
    m_path.clear();
    m_modified = false;
}

void CQX2Doc::onLogout() {
    // The open scan dialog's request carries this user's identity and this catalogue's numbers.
    if (serializationRefused()) {
        return;
    }
    m_services.settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 0);
    if (m_services.windows.searchWindowsOpen()) {
        m_services.prompt.message(kSearchOpenMessage);
        return;
    }
    // Offered before the login rather than after it, so that cancelling the save keeps both
    // the catalogue and the session instead of throwing unsaved changes away.
    if (!saveModified()) {
        return;
    }
    auto identity = m_services.login.login(m_programFolder);
    if (!identity) {
        return;
    }
    m_identity = std::move(*identity);
    m_serialized = false;
    emptyCatalogue();
}

void CQX2Doc::onChangeDatabaseOwner() {
    if (m_catalogue->discs.empty() || serializationRefused() || !checkOwner()) {
        return;
    }
    if (!m_services.changeOwner.changeOwner(*m_catalogue, m_identity.logName)) {
        return;
    }
    m_modified = true;
    // The former owner no longer owns the catalogue; it is offered for saving and then closed.
    // Cancelling the save keeps it open rather than losing the change.
    if (!saveModified()) {
        return;
    }
    emptyCatalogue();
}

void CQX2Doc::onWhoAmI() {
    m_services.prompt.message("Currently logged in as: " + m_identity.logName,
                              MessageIcon::Information);
}

void CQX2Doc::onExit() {
    if (m_services.prompt.ask(kExitQuestion, Buttons::YesNo, MessageIcon::Question) !=
        Answer::Yes) {
        return;
    }
    m_services.windows.closeSearchWindows();
    m_services.chat.shutDown();
    endPlaylistWindows();
    m_services.application.closeMainWindow();
}

bool CQX2Doc::commandEnabled(PaneCommand command) const {
    switch (command) {
        case PaneCommand::FileViewLargeIcons:
            return !m_fileViewLargeIcons;
        case PaneCommand::FileViewSmallIcons:
            return m_fileViewLargeIcons;
        case PaneCommand::TreeLargeIcons:
            return !m_treeLargeIcons;
        case PaneCommand::TreeSmallIcons:
            return m_treeLargeIcons;
        case PaneCommand::ViewAllOnTree:
            return !m_wholeTreeShown;
        default:
            return true;
    }
}

void CQX2Doc::onCommand(PaneCommand command) {
    const CommandRoute& route = routeOf(command);
    if (!commandEnabled(command) || (route.needsDisc && !hasDiscs())) {
        return;
    }
    switch (command) {
        case PaneCommand::FileViewLargeIcons:
        case PaneCommand::FileViewSmallIcons:
            m_fileViewLargeIcons = command == PaneCommand::FileViewLargeIcons;
            break;
        case PaneCommand::TreeLargeIcons:
        case PaneCommand::TreeSmallIcons:
            m_treeLargeIcons = command == PaneCommand::TreeLargeIcons;
            break;
        case PaneCommand::ViewAllOnTree:
            m_wholeTreeShown = true;
            break;
        default:
            break;
    }
    if (Pane* target = pane(route.paneClass)) {
        target->runCommand(command);
    }
}

void CQX2Doc::onHelpPlaylist() {
    openPlaylistWindow({});
}

void CQX2Doc::openPlaylistWindow(const std::vector<CQXFileData*>& entries) {
    std::unique_ptr<PlaylistWindow> window = m_services.playlists.create(entries);
    if (!window) {
        return;
    }
    window->setShown(true);
    m_playlistWindows.insert(m_playlistWindows.begin(), std::move(window));
}

void CQX2Doc::runPlaylistWindow(const std::vector<CQXFileData*>& entries) {
    m_services.playlists.runModal(entries);
}

void CQX2Doc::setPlaylistWindowsShown(bool shown) {
    for (const auto& window : m_playlistWindows) {
        window->setShown(shown);
    }
}

void CQX2Doc::onPlaylistWindowClosed() {
    std::erase_if(m_playlistWindows, [](const auto& window) { return window->isClosed(); });
}

void CQX2Doc::endPlaylistWindows() {
    m_playlistWindows.clear();
}

void CQX2Doc::setSearchWindowsShown(bool shown) {
    m_services.windows.setSearchWindowsShown(shown);
}

void CQX2Doc::setCopyTaskWindowsShown(bool shown) {
    m_services.windows.setCopyTaskWindowsShown(shown);
}

void CQX2Doc::onChatRoom() {
    m_services.chat.setWindowShown(true);
}

void CQX2Doc::onShowQxServer() {
    SettingsStore& settings = m_services.settings;
    const bool accountMissing =
        settings.readText(setting::kSettingsKey, setting::kChatUser, setting::kTextLimit).empty() ||
        settings.readText(setting::kSettingsKey, setting::kChatPasswordDigest, setting::kTextLimit)
            .empty() ||
        m_services.chat.accountState() == "0";
    if (accountMissing && m_services.prompt.ask(kChatAccountQuestion, Buttons::YesNo,
                                                MessageIcon::Question) == Answer::Yes) {
        m_services.chatAccount.createAccount();
    }
    m_services.chat.setWindowShown(true);
}

void CQX2Doc::onOptionsAccepted(bool transferAutomatically) {
    m_services.chat.setVisibleTransfer(transferAutomatically);
}

void CQX2Doc::onChatServer(ChatCommand command) {
    ChatComponent& chat = m_services.chat;
    switch (command) {
        case ChatCommand::ShowServer:
        case ChatCommand::HideServer:
            chat.setWindowShown(command == ChatCommand::ShowServer);
            break;
        case ChatCommand::ShowTransferManager:
        case ChatCommand::HideTransferManager:
            chat.setTransferManagerShown(command == ChatCommand::ShowTransferManager);
            break;
        case ChatCommand::ShowChatters:
        case ChatCommand::HideChatters:
            chat.setChattersShown(command == ChatCommand::ShowChatters);
            break;
        case ChatCommand::Connect:
            chat.connect();
            m_statusText = "Logged: " + m_identity.logName + "\nConnected";
            break;
        case ChatCommand::Disconnect:
            chat.shutDown();
            m_statusText = "Logged: " + m_identity.logName + "\nDisconnected";
            break;
    }
}

void CQX2Doc::onHelp() {
    if (!m_services.shell.open(m_programFolder + "doc/index.html")) {
        m_services.prompt.message(kHelpMissingMessage, MessageIcon::Stop);
    }
}

void CQX2Doc::openSite(const std::string& address) {
    // Reported as the About box reports a site it cannot open.
    if (!m_services.shell.open(address)) {
        m_services.prompt.message(kSiteFailedMessage, MessageIcon::Stop);
    }
}

void CQX2Doc::onTipsAndTricks() {
    openSite(std::string(kProductSite));
}

void CQX2Doc::onReportBugs() {
    openSite(std::string(kProductSite) + std::string(kReportBugsPage));
}

}  // namespace vorlix
