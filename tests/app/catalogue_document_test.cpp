#include "app/catalogue_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "app/document_services.h"
#include "app/pane_operations.h"
#include "app/setting_names.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "platform/file_lock.h"
#include "support/document_fakes.h"
#include "support/fixed_clock.h"
#include "support/memory_settings.h"
#include "support/quiet_panes.h"
#include "support/sample_catalogue.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using test::readFile;
using test::writeFile;

// Every fake writes what it was told into one log, so that tests can check the order.
using test::Log;

struct FakeWindows final : DocumentWindows {
    explicit FakeWindows(Log& log) : log(log) {}
    Log& log;
    bool scanning = false;
    bool searching = false;
    int searchCloses = 0;
    int viewClears = 0;
    bool scanInProgress() const override { return scanning; }
    bool searchWindowsOpen() const override { return searching; }
    void closeSearchWindows() override {
        ++searchCloses;
        log.push_back("search windows closed");
    }
    void setSearchWindowsShown(bool shown) override {
        log.push_back(shown ? "search windows shown" : "search windows hidden");
    }
    void setCopyTaskWindowsShown(bool shown) override {
        log.push_back(shown ? "copy tasks shown" : "copy tasks hidden");
    }
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

// Publishes forms that name the disc count and first owner of what they were made from.
struct FakePublisher final : SharedCataloguePublisher {
    int publications = 0;
    std::size_t lastDiscCount = 0;
    mutable int preparations = 0;
    std::vector<std::string> published;  // the forms, "prepared" ones made ahead
    void publish(const CQXCatalog& catalogue) override {
        ++publications;
        lastDiscCount = catalogue.discs.size();
        published.push_back(formOf(catalogue));
    }
    SharedFileForm prepare(const CQXCatalog& catalogue) const override {
        ++preparations;
        return {true, {"prepared ", formOf(catalogue)}, {}};
    }
    void publishPrepared(SharedFileForm form) override {
        ++publications;
        published.push_back(form.chunks[0] + form.chunks[1]);
    }
    static std::string formOf(const CQXCatalog& catalogue) {
        return std::to_string(catalogue.discs.size()) + " discs of " +
               (catalogue.discs.empty() ? "" : std::string(catalogue.discs[0]->ownerName()));
    }
    void publishTreeCatalogue(const CQXCatalog&) override {}
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
            disc->setOwnerName(newOwner->logName);
            disc->setOwnerDigest(newOwner->passwordDigest);
        }
        return true;
    }
};

struct FakeApplication final : ApplicationControl {
    explicit FakeApplication(Log& log) : log(log) {}
    Log& log;
    int quits = 0;
    void quit() override { ++quits; }
    void closeMainWindow() override { log.push_back("main window closed"); }
};

using test::FakeChat;
using test::FakeChatAccount;
using test::FakeShell;
struct FakePlaylistWindow final : PlaylistWindow {
    FakePlaylistWindow(Log& log, int number)
        : log(log), name("playlist " + std::to_string(number)) {}
    ~FakePlaylistWindow() override { log.push_back(name + " ended"); }
    Log& log;
    std::string name;
    bool closed = false;
    void setShown(bool shown) override { log.push_back(name + (shown ? " shown" : " hidden")); }
    bool isClosed() const override { return closed; }
};

struct FakePlaylists final : PlaylistWindowFactory {
    explicit FakePlaylists(Log& log) : log(log) {}
    Log& log;
    bool available = true;
    std::vector<FakePlaylistWindow*> made;
    std::vector<std::vector<CQXFileData*>> entries;
    std::unique_ptr<PlaylistWindow> create(const std::vector<CQXFileData*>& given) override {
        entries.push_back(given);
        if (!available) {
            return nullptr;
        }
        auto window = std::make_unique<FakePlaylistWindow>(log, static_cast<int>(made.size()) + 1);
        made.push_back(window.get());
        return window;
    }
};

// A pane that remembers the commands routed to it.
struct FakePane final : Pane {
    explicit FakePane(std::string_view name) : name(name) {}
    std::string_view name;
    std::vector<PaneCommand> commands;
    std::string_view paneClassName() const override { return name; }
    void runCommand(PaneCommand command) override { commands.push_back(command); }
};

const Identity kAnna{"anna", md5Hex("secret")};
const Windows1252 kCodePage;

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : document(services(), folder.path() + "/") {
        login.identity = kAnna;
        document.reset();  // the framework's first new document logs the user in
    }

    DocumentServices services() {
        return {prompt,      settings, kCodePage,   windows, login,     changeOwner, publisher,
                application, chat,     chatAccount, shell,   playlists, longWork,    clock};
    }

    std::string saveSample(const std::string& name, const std::string& owner) {
        CQXCatalog catalogue = test::sampleCatalogue();
        for (auto& disc : catalogue.discs) {
            disc->setOwnerName(owner);
            disc->setOwnerDigest(owner == "null" ? "null" : kAnna.passwordDigest);
        }
        const std::string path = folder.file(name);
        writeFile(path, writeCatalogue(catalogue, kCodePage));
        return path;
    }

    Log log;
    test::TempDir folder;
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
    FakeWindows windows{log};
    FakeLogin login;
    FakeChangeOwner changeOwner;
    FakePublisher publisher;
    FakeApplication application{log};
    FakeChat chat{log};
    FakeChatAccount chatAccount{log};
    FakeShell shell;
    FakePlaylists playlists{log};
    test::InPlaceLongWork longWork;
    test::FixedClock clock;
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
    CQX2Doc fresh(services(), "/");
    fresh.reset();
    EXPECT_EQ(application.quits, 1);
}

// A disc tree that records what the document asks of it.
struct RecordingTree final : test::QuietDiscTree {
    explicit RecordingTree(Log& log) : log(log) {}
    Log& log;
    void fill() override { log.push_back("tree filled"); }
    void selectFirstDisc() override { log.push_back("first disc selected"); }
};

TEST_F(DocumentTest, NewAndOpenedCataloguesAreShownInThePanes) {
    RecordingTree tree(log);
    document.addPane(tree);
    document.onFileNew();
    EXPECT_EQ(log, (Log{"tree filled", "first disc selected", "search windows closed"}));

    log.clear();
    const std::string path = saveSample("shown.vrd", "anna");
    ASSERT_TRUE(document.openDocument(path));
    // Only the catalogue read is shown, not the empty one it replaces first.
    EXPECT_EQ(log, (Log{"search windows closed", "tree filled", "first disc selected"}));
    document.removePane(tree);
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
    document.onHelpPlaylist();
    ASSERT_TRUE(document.openDocument(path));
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{
                  "No owner found. The currently logged in user will be set as database owner."});
    for (const auto& disc : document.catalogue().discs) {
        EXPECT_EQ(disc->ownerName(), "anna");
        EXPECT_EQ(disc->ownerDigest(), kAnna.passwordDigest);
    }
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.checkOwner());
    EXPECT_EQ(windows.searchCloses, 1);
    EXPECT_EQ(document.playlistWindowCount(), 0u);
    EXPECT_EQ(log.back(), "playlist 1 ended");
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

// The shared form of a large catalogue takes long to make: it is made while the catalogue is
// read, unless assigning owners changes the catalogue afterwards; a save publishes what it saved.
TEST_F(DocumentTest, OpeningPublishesTheSharedFormMadeWhileReading) {
    ASSERT_TRUE(document.openDocument(saveSample("owned.vrd", "anna")));
    EXPECT_EQ(publisher.preparations, 1);
    EXPECT_EQ(publisher.published, std::vector<std::string>{"prepared 3 discs of anna"});

    ASSERT_TRUE(document.openDocument(saveSample("old.vrd", "null")));
    EXPECT_EQ(publisher.preparations, 2);
    EXPECT_EQ(publisher.published.back(), "3 discs of anna") << "the form after the owners";

    ASSERT_TRUE(document.onFileSave());
    EXPECT_EQ(publisher.preparations, 2);
    EXPECT_EQ(publisher.published.back(), "3 discs of anna");
    EXPECT_EQ(publisher.published.size(), 3u);
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

TEST_F(DocumentTest, ACatalogueIsReadAsLongWorkThatCountsEveryByte) {
    const std::string path = saveSample("counted.vrd", "anna");
    ASSERT_TRUE(document.openDocument(path));
    EXPECT_EQ(longWork.captions,
              std::vector<std::string>{"Reading the catalogue \"counted.vrd\"..."});
    EXPECT_EQ(longWork.lastDone, readFile(path).size());
}

TEST_F(DocumentTest, ACancelledReadChangesNothingAndNoOpenStartsDuringARead) {
    const std::string shown = saveSample("shown.vrd", "anna");
    ASSERT_TRUE(document.openDocument(shown));
    document.catalogue().discs.front()->setName("changed, kept unsaved");
    document.setModified(true);
    const std::string other = saveSample("other.vrd", "anna");

    prompt.answers = {Answer::No};  // do not save the change, go on opening
    longWork.cancel = true;
    EXPECT_FALSE(document.openDocument(other));
    EXPECT_EQ(document.path(), shown);
    EXPECT_EQ(document.catalogue().discs.front()->name(), "changed, kept unsaved");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Save changes to shown.vrd?"});
    EXPECT_EQ(settings.readText(setting::kRecentFileListKey, "File1", 1024), shown);

    prompt.answers = {Answer::No};
    longWork.cancel = false;
    bool openedMeanwhile = true;
    longWork.meanwhile = [&] { openedMeanwhile = document.openDocument(shown); };
    EXPECT_TRUE(document.openDocument(other));
    EXPECT_FALSE(openedMeanwhile);
    EXPECT_EQ(document.path(), other);
    EXPECT_EQ(longWork.captions.size(), 3u) << "the open during the read read nothing";
}

TEST_F(DocumentTest, RemovingEntriesLetsGoOfThemFirstAndRefreshesTheCurrentDisc) {
    ASSERT_TRUE(document.openDocument(saveSample("entries.vrd", "anna")));
    CQXDisc& first = *document.catalogue().discs.front();
    document.setCurrentDisc(first);
    const std::size_t before = first.files.size();
    ASSERT_GE(before, 2u);
    const int closesBefore = windows.searchCloses;

    document.removeFileEntries([&](CQXCatalog& catalogue) -> std::uint64_t {
        EXPECT_EQ(windows.searchCloses, closesBefore + 1) << "search windows close first";
        bool first = true;
        return catalogue.discs.front()->files.removeIf(
            [&](const CQXFileData&) { return std::exchange(first, false); });
    });
    EXPECT_TRUE(document.isModified());
    ASSERT_EQ(document.currentDisc().files.size(), before - 1);
    EXPECT_EQ(document.currentDisc().files.front(), &first.files.front());

    document.setModified(false);
    document.removeFileEntries([](CQXCatalog&) -> std::uint64_t { return 0; });
    EXPECT_FALSE(document.isModified());
}

// How many file entries of the snapshot carry the category.
std::size_t entriesCarrying(const CatalogueSnapshot& discs, std::string_view category) {
    std::size_t count = 0;
    for (const auto& disc : *discs) {
        for (std::size_t file = 0; file < disc->fileCount(); ++file) {
            count += disc->fileCategories(file).contains(category) ? 1 : 0;
        }
    }
    return count;
}

TEST_F(DocumentTest, SearchesSeeEveryEditMadeThroughTheDocument) {
    ASSERT_TRUE(document.openDocument(saveSample("searched.vrd", "anna")));
    CQXCatalog& catalogue = document.catalogue();
    ASSERT_GE(catalogue.discs.size(), 2u);
    EXPECT_EQ(document.searchDiscs()->size(), catalogue.discs.size());
    EXPECT_EQ(entriesCarrying(document.searchDiscs(), "Edited"), 0u);

    CQXDisc& first = *catalogue.discs.front();
    document.setCurrentDisc(first);
    first.files.front().editCategories().push_back("Edited");
    document.setModified();
    EXPECT_EQ(entriesCarrying(document.searchDiscs(), "Edited"), 1u);

    const auto other = std::find_if(catalogue.discs.begin() + 1, catalogue.discs.end(),
                                    [](const auto& disc) { return !disc->files.empty(); });
    ASSERT_NE(other, catalogue.discs.end());
    (*other)->files.front().editCategories().push_back("Edited");
    document.entriesChangedEverywhere();
    EXPECT_EQ(entriesCarrying(document.searchDiscs(), "Edited"), 2u);

    document.setCurrentDisc(*catalogue.discs[1]);
    catalogue.renameDisc(catalogue.discs[1]->number(), "Renamed");
    document.setModified();
    EXPECT_EQ((*document.searchDiscs())[1]->name(), "Renamed");

    const CQXDisc* edited = other->get();
    const auto spare = std::find_if(
        catalogue.discs.rbegin(), catalogue.discs.rend(),
        [&](const auto& disc) { return disc.get() != &first && disc.get() != edited; });
    ASSERT_NE(spare, catalogue.discs.rend());
    const std::string deleted((*spare)->number());
    document.setCurrentDisc(CQXDisc{});
    catalogue.removeDisc(deleted);
    document.setModified();
    EXPECT_EQ(document.searchDiscs()->size(), catalogue.discs.size());
    for (const auto& disc : *document.searchDiscs()) {
        EXPECT_NE(disc->number(), deleted);
    }

    const std::size_t files = first.files.size();
    document.removeFileEntries([](CQXCatalog& changed) -> std::uint64_t {
        return changed.discs.front()->files.removeIf([](const CQXFileData&) { return true; });
    });
    EXPECT_EQ(document.searchDiscs()->front()->fileCount(), 0u);
    EXPECT_EQ(entriesCarrying(document.searchDiscs(), "Edited"), 1u);
    ASSERT_GT(files, 0u);

    document.setModified(false);
    document.onFileNew();
    EXPECT_TRUE(document.searchDiscs()->empty());
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

// Another program (the command-line tool's scan, say) saved the catalogue after it was
// opened here: saving over it asks first, and No keeps that program's file.
TEST_F(DocumentTest, SavingOverAFileAnotherProgramChangedAsksFirst) {
    const std::string path = saveSample("shared.vrd", "anna");
    ASSERT_TRUE(document.openDocument(path));
    document.setModified();
    ASSERT_TRUE(document.onFileSave());
    EXPECT_TRUE(prompt.shown.empty()) << "a file changed only here is saved without a word";

    saveSample("shared.vrd", "someone else");
    const std::string theirs = readFile(path);
    document.catalogue().discs.pop_back();
    document.setModified();
    const test::Shown question{
        "The catalogue \"" + path +
            "\" was changed by another program after it was opened or saved here. Save over it "
            "and lose that program's changes?",
        MessageIcon::Warning, Buttons::YesNo};
    prompt.answers = {Answer::No};
    EXPECT_FALSE(document.onFileSave());
    EXPECT_EQ(prompt.shown, std::vector<test::Shown>{question});
    EXPECT_EQ(readFile(path), theirs);
    EXPECT_TRUE(document.isModified());

    prompt.answers = {Answer::Yes};
    EXPECT_TRUE(document.onFileSave());
    EXPECT_EQ(readFile(path), writeCatalogue(document.catalogue(), kCodePage));
    document.setModified();
    EXPECT_TRUE(document.onFileSave());
    EXPECT_EQ(prompt.shown, (std::vector<test::Shown>{question, question}));
}

// The command-line tool holds the file's lock while it changes the catalogue; a save that
// cannot get it within five seconds says so and leaves the file alone.
TEST_F(DocumentTest, ASaveGivesUpOnAFileLockedTooLong) {
    const std::string path = saveSample("busy.vrd", "anna");
    const std::string before = readFile(path);
    ASSERT_TRUE(document.openDocument(path));
    document.catalogue().discs.clear();
    FileLock elsewhere;
    ASSERT_TRUE(elsewhere.acquire(path).ok());
    EXPECT_FALSE(document.onFileSave());
    EXPECT_EQ(prompt.messages.back(),
              "Could not save the catalogue \"" + path +
                  "\": another program is changing it (it stayed locked for 5 seconds). The file "
                  "on disk was not changed.");
    EXPECT_EQ(readFile(path), before);
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
    EXPECT_EQ(document.currentDisc().files[0], &document.catalogue().discs[0]->files[0]);
    document.reset();
    EXPECT_TRUE(document.currentDisc().files.empty());
    EXPECT_EQ(document.currentDisc().number(), "");
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
    EXPECT_EQ(document.catalogue().discs[0]->ownerName(), "bob");
    EXPECT_FALSE(document.checkOwner()) << "the former owner no longer owns it";
}

// The open scan dialog would save its disc into the emptied catalogue, under the old owner.
TEST_F(DocumentTest, LogoutAndChangeDatabaseOwnerAreRefusedDuringAScan) {
    ASSERT_TRUE(document.openDocument(saveSample("cds.vrd", "anna")));
    settings.writeNumber(setting::kSettingsKey, setting::kAutoLogin, 1);
    login.identity = kBob;
    changeOwner.newOwner = kBob;
    const int logins = login.runs;
    windows.scanning = true;
    document.onLogout();
    document.onChangeDatabaseOwner();
    EXPECT_EQ(prompt.messages, std::vector<std::string>(2, std::string(kScanRunningMessage)));
    EXPECT_EQ(login.runs, logins);
    EXPECT_EQ(changeOwner.askedFor, "");
    EXPECT_EQ(document.identity().logName, "anna");
    EXPECT_EQ(document.catalogue().discs.size(), 3u);
    EXPECT_EQ(document.catalogue().discs[0]->ownerName(), "anna");
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kAutoLogin), 1u);
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
    const test::Shown expected{"Currently logged in as: anna", MessageIcon::Information,
                               std::nullopt};
    EXPECT_EQ(prompt.shown, std::vector<test::Shown>{expected});
}

TEST_F(DocumentTest, RecentFilesKeepTheFourLatestMostRecentFirst) {
    std::vector<std::string> paths;
    for (const char* name : {"a.vrd", "b.vrd", "c.vrd", "d.vrd", "e.vrd"}) {
        paths.push_back(saveSample(name, "anna"));
        ASSERT_TRUE(document.openDocument(paths.back()));
    }
    EXPECT_TRUE(settings.keys.contains(std::string(setting::kRecentFileListKey)))
        << "the key is made before the values are written into it";
    EXPECT_EQ(document.recentFiles(), (std::vector{paths[4], paths[3], paths[2], paths[1]}));

    // Opening one again moves it to the top without a second entry.
    ASSERT_TRUE(document.openDocument(paths[2]));
    EXPECT_EQ(document.recentFiles(), (std::vector{paths[2], paths[4], paths[3], paths[1]}));
    EXPECT_EQ(settings.readText(setting::kRecentFileListKey, setting::kRecentFile4, 1024),
              paths[1]);

    // Saving under a new name puts that name at the top too.
    prompt.files = {folder.file("f.vrd")};
    ASSERT_TRUE(document.onFileSaveAs());
    EXPECT_EQ(document.recentFiles().front(), folder.file("f.vrd"));
    EXPECT_EQ(document.recentFiles().size(), 4u);
}

TEST_F(DocumentTest, ARecentFileThatCannotBeOpenedLeavesTheList) {
    const std::string kept = saveSample("kept.vrd", "anna");
    const std::string gone = saveSample("gone.vrd", "anna");
    ASSERT_TRUE(document.openDocument(kept));
    ASSERT_TRUE(document.openDocument(gone));
    std::filesystem::remove(gone);

    // A cancelled save prompt is no failure of the file: it stays listed.
    document.setModified();
    prompt.answers = {Answer::Cancel};
    document.onOpenRecent(gone);
    EXPECT_EQ(document.recentFiles(), (std::vector{gone, kept}));

    document.setModified(false);
    document.onOpenRecent(gone);
    EXPECT_NE(prompt.messages.back().find("Could not open the catalogue"), std::string::npos);
    EXPECT_EQ(document.recentFiles(), std::vector{kept});

    document.onOpenRecent(kept);
    EXPECT_EQ(document.path(), kept);
}

TEST_F(DocumentTest, RecentFilesAndDroppedFilesRespectTheGuards) {
    const std::string path = saveSample("cds.vrd", "anna");
    windows.scanning = true;
    document.onOpenRecent(path);
    document.onOpenFile(path);
    windows.scanning = false;
    windows.searching = true;
    document.onOpenFile(path);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{std::string(kScanRunningMessage),
                                                         std::string(kScanRunningMessage),
                                                         std::string(kSearchOpenMessage)}));
    EXPECT_EQ(document.path(), "");

    windows.searching = false;
    document.onOpenFile(path);
    EXPECT_EQ(document.path(), path);
    EXPECT_EQ(document.catalogue().discs.size(), 3u);
}

TEST_F(DocumentTest, PanesAreFoundByTheirClassName) {
    FakePane commands("CCommandsView");
    FakePane tree("CLeftView");
    document.addPane(commands);
    document.addPane(tree);
    EXPECT_EQ(document.pane("CCommandsView"), &commands);
    EXPECT_EQ(document.pane("CLeftView"), &tree);
    EXPECT_EQ(document.pane("CQX2View"), nullptr);
    EXPECT_EQ(document.pane("CLeft"), nullptr);
    document.removePane(tree);
    EXPECT_EQ(document.pane("CLeftView"), nullptr);
    EXPECT_EQ(document.pane("CCommandsView"), &commands);
}

class PaneCommandTest : public DocumentTest {
protected:
    PaneCommandTest() {
        for (FakePane* pane : {&commands, &tree, &files, &categories}) {
            document.addPane(*pane);
        }
    }

    // The pane that received the command, if any; clears every pane's record.
    std::string receiver(PaneCommand command) {
        std::string name;
        for (FakePane* pane : {&commands, &tree, &files, &categories}) {
            if (std::ranges::find(pane->commands, command) != pane->commands.end()) {
                name = pane->name;
            }
            pane->commands.clear();
        }
        return name;
    }

    FakePane commands{"CCommandsView"};
    FakePane tree{"CLeftView"};
    FakePane files{"CQX2View"};
    FakePane categories{"CCategoriesView"};
};

TEST_F(PaneCommandTest, CommandsReachTheirPaneAndSomeNeedADisc) {
    struct Row {
        PaneCommand command;
        std::string pane;
        bool needsDisc;
    };
    const std::vector<Row> rows = {
        {PaneCommand::Scan, "CCommandsView", false},
        {PaneCommand::FindGaps, "CCommandsView", true},
        {PaneCommand::DeleteDisc, "CLeftView", true},
        {PaneCommand::Cddb, "CCommandsView", false},
        {PaneCommand::AddBlankDisc, "CCommandsView", true},
        {PaneCommand::DiscInfo, "CLeftView", true},
        {PaneCommand::SetBlankCover, "CLeftView", false},
        {PaneCommand::Lend, "CCommandsView", false},
        {PaneCommand::GetBack, "CCommandsView", false},
        {PaneCommand::ShowAvailable, "CCommandsView", false},
        {PaneCommand::ShowNonAvailable, "CCommandsView", false},
        {PaneCommand::Search, "CCommandsView", false},
    };
    for (const Row& row : rows) {
        document.onCommand(row.command);
        EXPECT_EQ(receiver(row.command), row.needsDisc ? "" : row.pane)
            << "without discs, command " << static_cast<int>(row.command);
    }
    ASSERT_TRUE(document.openDocument(saveSample("cds.vrd", "anna")));
    for (const Row& row : rows) {
        document.onCommand(row.command);
        EXPECT_EQ(receiver(row.command), row.pane)
            << "with discs, command " << static_cast<int>(row.command);
    }
}

TEST_F(PaneCommandTest, ViewItemsAreDisabledWhileTheirModeIsCurrent) {
    using enum PaneCommand;
    auto enabled = [this] {
        std::vector<bool> states;
        for (PaneCommand c : {FileViewLargeIcons, FileViewSmallIcons, TreeSmallIcons,
                              TreeLargeIcons, ViewAllOnTree}) {
            states.push_back(document.commandEnabled(c));
        }
        return states;
    };
    EXPECT_EQ(enabled(), (std::vector{true, false, false, true, false})) << "right after start";

    document.onCommand(FileViewSmallIcons);
    EXPECT_EQ(receiver(FileViewSmallIcons), "") << "a disabled item does nothing";

    document.onCommand(FileViewLargeIcons);
    EXPECT_EQ(receiver(FileViewLargeIcons), "CQX2View");
    EXPECT_TRUE(document.fileViewLargeIcons());
    document.onCommand(TreeLargeIcons);
    EXPECT_EQ(receiver(TreeLargeIcons), "CLeftView");
    EXPECT_TRUE(document.treeLargeIcons());
    EXPECT_EQ(enabled(), (std::vector{false, true, true, false, false}));

    document.onCommand(TreeSmallIcons);
    EXPECT_EQ(receiver(TreeSmallIcons), "CLeftView");
    EXPECT_FALSE(document.treeLargeIcons());

    // The first view of the tree by categories enables the item that shows it all again.
    document.setWholeTreeShown(false);
    EXPECT_TRUE(document.commandEnabled(ViewAllOnTree));
    document.onCommand(ViewAllOnTree);
    EXPECT_EQ(receiver(ViewAllOnTree), "CCategoriesView");
    EXPECT_TRUE(document.wholeTreeShown());
    EXPECT_FALSE(document.commandEnabled(ViewAllOnTree));
}

TEST_F(DocumentTest, ExitAsksFirstThenClosesEverythingInOrder) {
    document.onHelpPlaylist();
    log.clear();
    prompt.answers = {Answer::No};
    document.onExit();
    const test::Shown question{"Do you realy want to exit the program?", MessageIcon::Question,
                               Buttons::YesNo};
    EXPECT_EQ(prompt.shown, std::vector<test::Shown>{question});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(document.playlistWindowCount(), 1u);

    prompt.answers = {Answer::Yes};
    document.onExit();
    EXPECT_EQ(log, (Log{"search windows closed", "chat shut down", "playlist 1 ended",
                        "main window closed"}));
    EXPECT_EQ(document.playlistWindowCount(), 0u);
}

TEST_F(DocumentTest, PlaylistWindowsAreKeptNewestFirstUntilClosed) {
    document.onHelpPlaylist();
    document.onHelpPlaylist();
    EXPECT_EQ(document.playlistWindowCount(), 2u);
    log.clear();
    document.setPlaylistWindowsShown(false);
    EXPECT_EQ(log, (Log{"playlist 2 hidden", "playlist 1 hidden"}));

    log.clear();
    playlists.made[0]->closed = true;
    document.onPlaylistWindowClosed();
    EXPECT_EQ(log, Log{"playlist 1 ended"});
    EXPECT_EQ(document.playlistWindowCount(), 1u);

    log.clear();
    document.setPlaylistWindowsShown(true);
    EXPECT_EQ(log, Log{"playlist 2 shown"});

    playlists.available = false;
    document.onHelpPlaylist();
    EXPECT_EQ(document.playlistWindowCount(), 1u);
}

TEST_F(DocumentTest, PlaylistWindowsOverFileEntriesJoinTheList) {
    CQXFileData song("song.mp3", "d:\\music\\", "10", "d:");
    CQXFileData film("film.avi", "d:\\", "20", "d:");
    document.openPlaylistWindow({&song, &film});
    document.onHelpPlaylist();
    EXPECT_EQ(playlists.entries, (std::vector<std::vector<CQXFileData*>>{{&song, &film}, {}}));
    EXPECT_EQ(document.playlistWindowCount(), 2u);
    log.clear();
    document.setPlaylistWindowsShown(false);
    EXPECT_EQ(log, (Log{"playlist 2 hidden", "playlist 1 hidden"}));
}

TEST_F(DocumentTest, TrayCommandsDriveTheChatAndTheBackgroundWindows) {
    struct Row {
        ChatCommand command;
        std::string call;
        std::string status;
    };
    const std::vector<Row> rows = {
        {ChatCommand::ShowServer, "chat shown", ""},
        {ChatCommand::HideServer, "chat hidden", ""},
        {ChatCommand::ShowTransferManager, "transfers shown", ""},
        {ChatCommand::HideTransferManager, "transfers hidden", ""},
        {ChatCommand::ShowChatters, "chatters shown", ""},
        {ChatCommand::HideChatters, "chatters hidden", ""},
        {ChatCommand::Connect, "chat connect", "Logged: anna\nConnected"},
        {ChatCommand::Disconnect, "chat shut down", "Logged: anna\nDisconnected"},
    };
    for (const Row& row : rows) {
        log.clear();
        document.setStatusText("");
        document.onChatServer(row.command);
        EXPECT_EQ(log, Log{row.call});
        EXPECT_EQ(document.statusText(), row.status);
    }

    log.clear();
    document.onChatRoom();
    document.setSearchWindowsShown(true);
    document.setSearchWindowsShown(false);
    document.setCopyTaskWindowsShown(true);
    document.setCopyTaskWindowsShown(false);
    EXPECT_EQ(log, (Log{"chat shown", "search windows shown", "search windows hidden",
                        "copy tasks shown", "copy tasks hidden"}));
}

TEST_F(DocumentTest, TheQxServerButtonOffersAChatAccountWhenThereIsNoUsableOneAndShowsTheServer) {
    struct Case {
        const char* what;
        std::string user;
        std::string digest;
        std::string accountState;
        Answer answer;
        bool asked;
        Log calls;
    };
    const std::string digest = md5Hex("chat");
    const std::vector<Case> cases = {
        {"usable account", "anna", digest, "1", Answer::No, false, {"chat shown"}},
        {"no name", "", digest, "1", Answer::Yes, true, {"chat account dialog", "chat shown"}},
        {"no digest", "anna", "", "1", Answer::Yes, true, {"chat account dialog", "chat shown"}},
        {"component without account",
         "anna",
         digest,
         "0",
         Answer::Yes,
         true,
         {"chat account dialog", "chat shown"}},
        {"No still shows the server", "anna", "", "1", Answer::No, true, {"chat shown"}},
    };
    for (const Case& c : cases) {
        settings.writeText(setting::kSettingsKey, setting::kChatUser, c.user);
        settings.writeText(setting::kSettingsKey, setting::kChatPasswordDigest, c.digest);
        chat.account = c.accountState;
        prompt.shown.clear();
        prompt.answers = {c.answer};
        log.clear();

        document.onShowQxServer();

        EXPECT_EQ(log, c.calls) << c.what;
        if (c.asked) {
            ASSERT_EQ(prompt.shown.size(), 1u) << c.what;
            EXPECT_EQ(prompt.shown[0].text, kChatAccountQuestion) << c.what;
            EXPECT_EQ(prompt.shown[0].buttons, Buttons::YesNo) << c.what;
            EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Question) << c.what;
        } else {
            EXPECT_TRUE(prompt.shown.empty()) << c.what;
        }
    }
}

TEST_F(DocumentTest, OkOfTheOptionsDialogPassesTheTransferSettingToTheChat) {
    log.clear();
    document.onOptionsAccepted(true);
    document.onOptionsAccepted(false);
    EXPECT_EQ(log, (Log{"transfers come up", "transfers stay hidden"}));
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, HelpAndWebPagesOpenWithTheDesktopOrSaySoWhenTheyCannot) {
    document.onHelp();
    document.onTipsAndTricks();
    document.onReportBugs();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{
                                folder.path() + "/doc/index.html", "https://vorlix.example.org",
                                "https://vorlix.example.org/forum/index.php?showforum=5"}));
    EXPECT_TRUE(prompt.messages.empty());

    shell.works = false;
    document.onHelp();
    document.onTipsAndTricks();
    document.onReportBugs();
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Could not find the help system.",
                                                         "Could not open internet site.",
                                                         "Could not open internet site."}));
}

}  // namespace
}  // namespace vorlix
