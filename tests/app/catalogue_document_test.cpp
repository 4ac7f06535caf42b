#include "app/catalogue_document.h"

#include <gtest/gtest.h>

#include "app/document_services.h"
#include "app/setting_names.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "support/memory_settings.h"
#include "support/sample_catalogue.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::readFile;
using test::writeFile;

struct FakeWindows final : DocumentWindows {
    bool scanning = false;
    bool searching = false;
    int searchCloses = 0;
    int playlistCloses = 0;
    bool scanInProgress() const override { return scanning; }
    bool searchWindowsOpen() const override { return searching; }
    void closeSearchWindows() override { ++searchCloses; }
    void closePlaylistWindows() override { ++playlistCloses; }
    int viewClears = 0;
    void clearCatalogueViews() override { ++viewClears; }
};

struct FakeLogin final : LoginService {
    std::optional<Identity> identity;
    int runs = 0;
    std::optional<Identity> login(const std::string&) override {
        ++runs;
        return identity;
    }
};

struct FakePublisher final : SharedCataloguePublisher {
    int publications = 0;
    std::size_t lastDiscCount = 0;
    void publish(const CQXCatalog& catalogue) override {
        ++publications;
        lastDiscCount = catalogue.discs.size();
    }
};

// Plays the Change Database Owner dialog: gives every disc the new owner when told to.
struct FakeChangeOwner final : ChangeOwnerService {
    std::optional<Identity> newOwner;
    std::string askedFor;
    bool changeOwner(CQXCatalog& catalogue, const std::string& logName) override {
        askedFor = logName;
        if (!newOwner) {
            return false;
        }
        for (auto& disc : catalogue.discs) {
            disc->ownerName = newOwner->logName;
            disc->ownerDigest = newOwner->passwordDigest;
        }
        return true;
    }
};

struct FakeApplication final : ApplicationControl {
    int quits = 0;
    void quit() override { ++quits; }
};

const Identity kAnna{"anna", md5Hex("secret")};
const Windows1252 kCodePage;

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest()
        : document(
              {prompt, settings, kCodePage, windows, login, changeOwner, publisher, application},
              folder.path() + "/") {
        login.identity = kAnna;
        document.reset();  // the framework's first new document logs the user in
    }

    std::string saveSample(const std::string& name, const std::string& owner) {
        CQXCatalog catalogue = test::sampleCatalogue();
        for (auto& disc : catalogue.discs) {
            disc->ownerName = owner;
            disc->ownerDigest = owner == "null" ? "null" : kAnna.passwordDigest;
        }
        const std::string path = folder.file(name);
        writeFile(path, writeCatalogue(catalogue, kCodePage));
        return path;
    }

    test::TempDir folder;
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
    FakeWindows windows;
    FakeLogin login;
    FakeChangeOwner changeOwner;
    FakePublisher publisher;
    FakeApplication application;
    CQX2Doc document;
};

TEST_F(DocumentTest, FirstResetLogsInAndLaterResetsDoNot) {
    EXPECT_EQ(login.runs, 1);
    EXPECT_EQ(document.identity().logName, "anna");
    EXPECT_EQ(document.catalogue().named.size(), 3u);
    document.reset();
    EXPECT_EQ(login.runs, 1);
    EXPECT_EQ(application.quits, 0);
}

TEST_F(DocumentTest, AbandonedFirstLoginEndsTheProgram) {
    login.identity.reset();
    CQX2Doc fresh(
        {prompt, settings, kCodePage, windows, login, changeOwner, publisher, application}, "/");
    fresh.reset();
    EXPECT_EQ(application.quits, 1);
}

TEST_F(DocumentTest, OpeningAnEmptyFileGivesTheDefaultsWithoutOwnerMessage) {
    const std::string path = folder.file("empty.vrd");
    writeFile(path, "");
    ASSERT_TRUE(document.openDocument(path));
    EXPECT_TRUE(document.catalogue().discs.empty());
    EXPECT_EQ(document.catalogue().named.size(), 3u);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, OpeningAssignsMissingOwnersOnceAndKeepsTheChangeToSave) {
    const std::string path = saveSample("old.qvd", "null");
    ASSERT_TRUE(document.openDocument(path));
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{
                  "No owner found. The currently logged in user will be set as database owner."});
    for (const auto& disc : document.catalogue().discs) {
        EXPECT_EQ(disc->ownerName, "anna");
        EXPECT_EQ(disc->ownerDigest, kAnna.passwordDigest);
    }
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.checkOwner());
    EXPECT_EQ(windows.searchCloses, 1);
    EXPECT_EQ(windows.playlistCloses, 1);
    EXPECT_EQ(publisher.publications, 1);
    EXPECT_EQ(publisher.lastDiscCount, 3u);
    EXPECT_EQ(settings.readText(setting::kRecentFileListKey, "File1", 1024), path);

    // Closing asks to save; saving writes the owners and publishes again.
    prompt.answers = {Answer::Yes};
    document.onFileNew();
    EXPECT_EQ(prompt.messages.back(), "Save changes to old.qvd?");
    EXPECT_EQ(publisher.publications, 2);
    EXPECT_TRUE(document.catalogue().discs.empty());
    ASSERT_TRUE(document.openDocument(path));
    EXPECT_EQ(prompt.messages.size(), 2u) << "owners were saved, so no second owner message";
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, ANonOwnerIsRefusedWithTheLogName) {
    const std::string path = saveSample("theirs.vrd", "bob");
    ASSERT_TRUE(document.openDocument(path));
    EXPECT_FALSE(document.checkOwner());
    EXPECT_EQ(prompt.messages.back(), "Operation not allowed! Logged in as : anna");
}

TEST_F(DocumentTest, ADamagedFileLeavesAnEmptyCatalogueAndSaysWhere) {
    const std::string good = saveSample("good.vrd", "anna");
    ASSERT_TRUE(document.openDocument(good));
    std::string bytes = readFile(good);
    bytes.resize(bytes.size() / 2);
    const std::string bad = folder.file("bad.vrd");
    writeFile(bad, bytes);

    EXPECT_FALSE(document.openDocument(bad));
    EXPECT_TRUE(document.catalogue().discs.empty());
    EXPECT_EQ(document.catalogue().named.size(), 3u);
    EXPECT_EQ(document.path(), "");
    ASSERT_FALSE(prompt.messages.empty());
    EXPECT_NE(prompt.messages.back().find("bad.vrd"), std::string::npos);
    EXPECT_NE(prompt.messages.back().find("at byte"), std::string::npos);
    EXPECT_EQ(settings.readText(setting::kRecentFileListKey, "File1", 1024), good);
}

TEST_F(DocumentTest, AFailedSaveReportsAndKeepsTheOldFile) {
    // A name so long that no temporary file can be made beside it: the save fails before the
    // old file is touched, whoever runs the test.
    const std::string path = saveSample(std::string(250, 'k') + ".vrd", "anna");
    const std::string before = readFile(path);
    ASSERT_TRUE(document.openDocument(path));
    document.catalogue().discs.clear();
    document.setModified();

    EXPECT_FALSE(document.onFileSave());
    EXPECT_EQ(readFile(path), before);
    EXPECT_TRUE(document.isModified());
    EXPECT_NE(prompt.messages.back().find("Could not save the catalogue"), std::string::npos);
}

TEST_F(DocumentTest, ASaveIntoAMissingFolderFailsAndReports) {
    document.setModified();
    prompt.files = {folder.file("no/such/folder/x.vrd")};
    EXPECT_FALSE(document.onFileSave());
    EXPECT_TRUE(document.isModified());
    EXPECT_NE(prompt.messages.back().find("The file on disk was not changed."), std::string::npos);
}

TEST_F(DocumentTest, SaveAsAddsTheExtensionAndWritesTheCatalogue) {
    prompt.files = {folder.file("mine")};
    ASSERT_TRUE(document.onFileSaveAs());
    EXPECT_EQ(prompt.fileRequests.back().filter, "Vorlix Files (*.vrd)|*.vrd||");
    EXPECT_EQ(document.path(), folder.file("mine.vrd"));
    CQXCatalog fresh;
    fresh.addDefaultNamedObjects();
    EXPECT_EQ(readFile(folder.file("mine.vrd")), writeCatalogue(fresh, kCodePage));
    EXPECT_EQ(publisher.publications, 1);
}

TEST_F(DocumentTest, GuardsRefuseDuringAScanThenWithSearchWindowsOpen) {
    windows.scanning = true;
    windows.searching = true;
    document.onFileNew();
    document.onFileOpen();
    document.onOpenDemo();
    EXPECT_FALSE(document.onFileSave());
    EXPECT_FALSE(document.onFileSaveAs());
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>(5, " The scan process is running in background mode"));
    EXPECT_TRUE(prompt.fileRequests.empty());

    prompt.messages.clear();
    windows.scanning = false;
    document.onFileNew();
    document.onFileOpen();
    document.onOpenDemo();
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>(3,
                                       "You have a search dialog running in background mode! "
                                       "Please press Ctrl + S to close it"));
}

TEST_F(DocumentTest, OpenRemembersTheFolderAndStartsThere) {
    const std::string path = saveSample("cds.vrd", "anna");
    settings.writeText(setting::kLastFilesKey, setting::kQvdPathOpen, "/start/here/");
    prompt.files = {path};
    document.onFileOpen();
    ASSERT_EQ(prompt.fileRequests.size(), 1u);
    EXPECT_EQ(prompt.fileRequests[0].title, "Open a CD collection.");
    EXPECT_EQ(prompt.fileRequests[0].filter,
              "Vorlix Files (*.vrd)|*.vrd|QX3 Files (*.qvd)|*.qvd|All Files (*.*)|*.*||");
    EXPECT_EQ(prompt.fileRequests[0].directory, "/start/here/");
    EXPECT_EQ(settings.readText(setting::kLastFilesKey, setting::kQvdPathOpen, 512),
              folder.path() + "/");
    EXPECT_EQ(document.catalogue().discs.size(), 3u);
}

TEST_F(DocumentTest, CancellingTheSavePromptKeepsTheCatalogue) {
    const std::string path = saveSample("cds.vrd", "anna");
    document.catalogue().discs.push_back(std::make_unique<CQXDisc>());
    document.setModified();
    prompt.answers = {Answer::Cancel};
    EXPECT_FALSE(document.openDocument(path));
    EXPECT_EQ(document.catalogue().discs.size(), 1u);
    EXPECT_TRUE(document.isModified());
}

TEST_F(DocumentTest, OpensTheDemoAndTheLastCatalogueWhenAsked) {
    saveSample("Demo.vrd", "anna");
    document.onOpenDemo();
    EXPECT_EQ(document.path(), folder.file("Demo.vrd"));

    const std::string last = saveSample("last.vrd", "anna");
    settings.writeText(setting::kRecentFileListKey, setting::kRecentFile1, last);
    document.openLastCatalogue();
    EXPECT_EQ(document.path(), folder.file("Demo.vrd")) << "loaddb is off";
    settings.writeNumber(setting::kSettingsKey, setting::kLoadDb, 1);
    document.openLastCatalogue();
    EXPECT_EQ(document.path(), last);
    EXPECT_TRUE(document.lastCatalogueOpenedAtStart());
}

TEST_F(DocumentTest, ResetDropsTheCurrentDiscWithTheCatalogue) {
    ASSERT_TRUE(document.openDocument(saveSample("cds.vrd", "anna")));
    document.setCurrentDisc(*document.catalogue().discs[0]);
    EXPECT_EQ(document.currentDisc().files.size(), 3u);
    EXPECT_EQ(document.currentDisc().files[0], document.catalogue().discs[0]->files[0].get());
    document.reset();
    EXPECT_TRUE(document.currentDisc().files.empty());
    EXPECT_EQ(document.currentDisc().number, "");
}

const Identity kBob{"bob", md5Hex("hunter2")};

TEST_F(DocumentTest, LogoutTakesTheNewIdentityAndStartsAnEmptyCatalogue) {
    ASSERT_TRUE(document.openDocument(saveSample("cds.vrd", "anna")));
    settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
    login.identity = kBob;
    document.onLogout();
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kAutoLogin), 0u);
    EXPECT_EQ(document.identity().logName, "bob");
    EXPECT_TRUE(document.catalogue().discs.empty());
    EXPECT_EQ(document.catalogue().named.size(), 3u);
    EXPECT_FALSE(document.catalogueSerialized());
    EXPECT_EQ(windows.viewClears, 1);
    EXPECT_EQ(document.path(), "");
}

TEST_F(DocumentTest, LogoutCancelledKeepsCatalogueAndIdentityButNotAutoLogin) {
    ASSERT_TRUE(document.openDocument(saveSample("cds.vrd", "anna")));
    settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
    login.identity.reset();
    document.onLogout();
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kAutoLogin), 0u);
    EXPECT_EQ(document.identity().logName, "anna");
    EXPECT_EQ(document.catalogue().discs.size(), 3u);

    windows.searching = true;
    login.identity = kBob;
    document.onLogout();
    EXPECT_EQ(prompt.messages.back(), std::string(kSearchOpenMessage));
    EXPECT_EQ(document.identity().logName, "anna");
}

TEST_F(DocumentTest, LogoutNeverDropsUnsavedChangesTheUserKept) {
    ASSERT_TRUE(document.openDocument(saveSample("cds.vrd", "anna")));
    document.setModified();
    login.identity = kBob;
    prompt.answers = {Answer::Cancel};
    document.onLogout();
    EXPECT_EQ(document.identity().logName, "anna");
    EXPECT_EQ(document.catalogue().discs.size(), 3u);
    EXPECT_TRUE(document.isModified());
}

TEST_F(DocumentTest, ChangeDatabaseOwnerOffersTheChangedCatalogueThenEmptiesIt) {
    const std::string path = saveSample("cds.vrd", "anna");
    ASSERT_TRUE(document.openDocument(path));
    changeOwner.newOwner = kBob;
    prompt.answers = {Answer::Yes};
    document.onChangeDatabaseOwner();
    EXPECT_EQ(changeOwner.askedFor, "anna");
    EXPECT_EQ(prompt.messages.back(), "Save changes to cds.vrd?");
    EXPECT_TRUE(document.catalogue().discs.empty());
    EXPECT_EQ(windows.viewClears, 1);

    ASSERT_TRUE(document.openDocument(path));
    EXPECT_EQ(document.catalogue().discs[0]->ownerName, "bob");
    EXPECT_FALSE(document.checkOwner()) << "the former owner no longer owns it";
}

TEST_F(DocumentTest, ChangeDatabaseOwnerNeedsDiscsAndTheOwner) {
    changeOwner.newOwner = kBob;
    document.onChangeDatabaseOwner();
    EXPECT_EQ(changeOwner.askedFor, "") << "nothing happens without discs";
    EXPECT_TRUE(prompt.messages.empty());

    ASSERT_TRUE(document.openDocument(saveSample("theirs.vrd", "bob")));
    document.onChangeDatabaseOwner();
    EXPECT_EQ(changeOwner.askedFor, "");
    EXPECT_EQ(prompt.messages.back(), "Operation not allowed! Logged in as : anna");

    ASSERT_TRUE(document.openDocument(saveSample("mine.vrd", "anna")));
    changeOwner.newOwner.reset();
    document.onChangeDatabaseOwner();
    EXPECT_FALSE(document.isModified()) << "a cancelled dialog changes nothing";
    EXPECT_EQ(document.catalogue().discs.size(), 3u);
}

TEST_F(DocumentTest, WhoAmINamesTheLoggedInUser) {
    document.onWhoAmI();
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Currently logged in as: anna"});
}

}  // namespace
}  // namespace vorlix
