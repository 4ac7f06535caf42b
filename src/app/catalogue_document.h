#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "accounts/identity.h"
#include "app/current_disc.h"
#include "core/catalog.h"

namespace vorlix {

class ApplicationControl;
class ChangeOwnerService;
class CodePage;
class DocumentWindows;
class LoginService;
class SettingsStore;
class SharedCataloguePublisher;
class UserPrompt;

inline constexpr std::string_view kScanRunningMessage =
    " The scan process is running in background mode";
inline constexpr std::string_view kSearchOpenMessage =
    "You have a search dialog running in background mode! Please press Ctrl + S to close it";
inline constexpr std::string_view kOpenDialogTitle = "Open a CD collection.";
inline constexpr std::string_view kOpenFilter =
    "Vorlix Files (*.vrd)|*.vrd|QX3 Files (*.qvd)|*.qvd|All Files (*.*)|*.*||";
inline constexpr std::string_view kSaveFilter = "Vorlix Files (*.vrd)|*.vrd||";

struct DocumentServices {
    UserPrompt& prompt;
    SettingsStore& settings;
    const CodePage& codePage;
    DocumentWindows& windows;
    LoginService& login;
    ChangeOwnerService& changeOwner;
    SharedCataloguePublisher& shared;
    ApplicationControl& application;
};

// The one document of the application: owns the catalogue and the current disc, holds the
// logged-in identity, reads and writes catalogue files and runs the File commands around them.
class CQX2Doc {
public:
    CQX2Doc(DocumentServices services, std::string programFolder);

    CQXCatalog& catalogue() { return *m_catalogue; }
    const CurrentDisc& currentDisc() const { return m_currentDisc; }
    void setCurrentDisc(const CQXDisc& disc) { m_currentDisc.assign(disc); }
    const Identity& identity() const { return m_identity; }
    const std::string& programFolder() const { return m_programFolder; }
    const std::string& path() const { return m_path; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }
    bool catalogueSerialized() const { return m_serialized; }
    bool lastCatalogueOpenedAtStart() const { return m_openedLastAtStart; }

    // True when the logged-in user owns the catalogue; otherwise shows the refusal.
    bool checkOwner();

    // Frees the catalogue for a new empty one; the first time, logs the user in.
    void reset();
    // The framework's open: offers to save changes, resets, reads. False when nothing was
    // opened or the file could not be read (the catalogue is then empty).
    bool openDocument(const std::string& path);
    // Writes the catalogue to path; a failure is reported and leaves the old file intact.
    bool saveDocument(const std::string& path);
    // Asks whether to save a modified catalogue; false when the user cancels or saving fails.
    bool saveModified();

    void onFileNew();
    void onFileOpen();
    void onOpenDemo();
    bool onFileSave();
    bool onFileSaveAs();
    void onOpenRecent(const std::string& path);
    void openLastCatalogue();
    void onLogout();
    void onChangeDatabaseOwner();
    void onWhoAmI();

private:
    bool serializationRefused();
    bool newOrOpenRefused();
    void freshCatalogue();
    void afterSerialize();
    void emptyCatalogue();

    DocumentServices m_services;
    std::string m_programFolder;
    std::unique_ptr<CQXCatalog> m_catalogue;
    CurrentDisc m_currentDisc;
    Identity m_identity;
    std::string m_path;
    bool m_modified = false;
    bool m_firstLoginDone = false;
    bool m_serialized = false;
    bool m_openedLastAtStart = false;
};

}  // namespace vorlix
