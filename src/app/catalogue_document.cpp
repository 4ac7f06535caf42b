#include "app/catalogue_document.h"

#include "accounts/ownership.h"
#include "app/document_services.h"
#include "app/setting_names.h"
#include "app/settings_store.h"
#include "core/catalog_format.h"
#include "core/user_prompt.h"
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

}  // namespace

CQX2Doc::CQX2Doc(DocumentServices services, std::string programFolder)
    : m_services(services),
      m_programFolder(std::move(programFolder)),
      m_catalogue(std::make_unique<CQXCatalog>()) {}

bool CQX2Doc::checkOwner() {
    if (isOwner(*m_catalogue, m_identity)) {
        return true;
    }
    m_services.prompt.message(refusalText(m_identity));
    return false;
}

void CQX2Doc::freshCatalogue() {
    m_currentDisc.clear();
    m_catalogue = std::make_unique<CQXCatalog>();
    m_catalogue->addDefaultNamedObjects();
}

void CQX2Doc::reset() {
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

void CQX2Doc::afterSerialize() {
    m_serialized = true;
    // The framework clears the modified flag after a load or save; the owner assignment comes
    // after that so that owners given to an owner-less catalogue are not silently dropped.
    m_modified = false;
    if (assignOwnerIfMissing(*m_catalogue, m_identity, m_services.prompt)) {
        m_modified = true;
    }
    m_services.shared.publish(*m_catalogue);
}

bool CQX2Doc::openDocument(const std::string& path) {
    if (!saveModified()) {
        return false;
    }
    std::unique_ptr<FileSource> source;
    try {
        source = std::make_unique<FileSource>(path);
    } catch (const std::exception& e) {
        m_services.prompt.message(
            "Could not open the catalogue \"" + path + "\": " + e.what() + ".", MessageIcon::Stop);
        return false;
    }
    reset();
    m_path = path;
    m_modified = false;
    if (source->size() == 0) {
        return true;
    }
    m_services.windows.closeSearchWindows();
    m_services.windows.closePlaylistWindows();
    try {
        readCatalogue(*source, m_services.codePage, *m_catalogue);
    } catch (const std::exception& e) {
        reset();
        m_path.clear();
        m_services.prompt.message("Could not read the catalogue \"" + path + "\": " + e.what() +
                                      whereReadingStopped(e) + ".",
                                  MessageIcon::Stop);
        return false;
    }
    afterSerialize();
    m_services.settings.writeText(setting::kRecentFileListKey, setting::kRecentFile1, path);
    return true;
}

bool CQX2Doc::saveDocument(const std::string& path) {
    m_services.windows.closeSearchWindows();
    m_services.windows.closePlaylistWindows();
    const std::string failure = safeWriteFile(
        path, [this](ByteSink& sink) { writeCatalogue(*m_catalogue, m_services.codePage, sink); });
    if (!failure.empty()) {
        m_services.prompt.message("Could not save the catalogue \"" + path + "\": " + failure +
                                      ". The file on disk was not changed.",
                                  MessageIcon::Stop);
        return false;
    }
    m_path = path;
    afterSerialize();
    return true;
}

bool CQX2Doc::saveModified() {
    if (!m_modified) {
        return true;
    }
    const std::string title = m_path.empty() ? "Untitled" : fileNameOf(m_path);
    switch (m_services.prompt.ask("Save changes to " + title + "?", Buttons::YesNoCancel,
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
    openDocument(*chosen);
}

void CQX2Doc::onOpenDemo() {
    if (newOrOpenRefused()) {
        return;
    }
    openDocument(m_programFolder + "Demo.vrd");
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
    openDocument(path);
}

void CQX2Doc::openLastCatalogue() {
    if (m_services.settings.readNumber(setting::kSettingsKey, setting::kLoadDb) != 1) {
        return;
    }
    m_openedLastAtStart = true;
    const std::string path = m_services.settings.readText(
        setting::kRecentFileListKey, setting::kRecentFile1, setting::kRecentFileLimit);
    if (!path.empty()) {
        openDocument(path);
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
    if (m_catalogue->discs.empty() || !checkOwner()) {
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

}  // namespace vorlix
