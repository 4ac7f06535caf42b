#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "accounts/disc_sharing.h"
#include "app/copy_from_search.h"
#include "platform/disc_drives.h"
#include "search/disc_snapshot.h"
#include "search/search_pattern.h"
#include "support/document_rig.h"
#include "support/quiet_panes.h"
#include "support/temp_dir.h"
#include "tasks/search_window/search_caption.h"
#include "tasks/search_window/search_cover_size.h"
#include "tasks/search_window/search_result_actions.h"
#include "tasks/search_window/search_result_rows.h"
#include "tasks/search_window/search_window_host.h"
#include "views/logic/member_opener.h"

namespace vorlix {
namespace {

using test::DocumentRig;
using Texts = std::vector<std::string>;

TEST(SearchCaptionTest, SaysWhatTheSearchLooksFor) {
    struct Case {
        SearchCaptionParts parts;
        const char* caption;
    };
    const std::vector<Case> cases = {
        {{"names", "beatles", "", "", ""}, "CD search 'beatles"},
        {{"names", "beatles", "music", "Queen", "7"}, "CD search 'beatles"},
        {{"files", "mp3", "music", "", ""}, "Pattern 'mp3 in folder : 'music' in all CDs"},
        {{"files", "mp3", "", "", ""}, "Pattern 'mp3' in all CDs"},
        {{"files", "mp3", "", "Queen", ""}, "Pattern 'mp3' artist 'Queen'"},
        {{"files", "mp3", "", "", "7"}, "Pattern 'mp3' in CD 7"},
        {{"files", "*", "rock", "Queen", "07"},
         "Pattern '* in folder : 'rock' artist 'Queen' in CD 07"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(searchCaption(c.parts), c.caption) << c.caption;
    }
}

TEST(SearchCaptionTest, NormalisesThePatternAsTheSearchDoes) {
    const std::vector<std::pair<const char*, const char*>> cases = {{"", "*"},
                                                                    {"*", "*"},
                                                                    {"**", ""},
                                                                    {"*beatles*", "beatles"},
                                                                    {"beat*les", "beat*les"},
                                                                    {"*be*at", "beat"},
                                                                    {"mp3*", "mp3"},
                                                                    {"a", "a"}};
    for (const auto& [typed, pattern] : cases) {
        EXPECT_EQ(normalisedPattern(typed), pattern) << typed;
    }
}

TEST(SearchCoverSizeTest, UprightCoversShrinkFromFiftyTheOthersFromOneHundredTen) {
    struct Case {
        int width;
        bool portrait;
        std::optional<CoverSize> size;
    };
    const std::vector<Case> cases = {{50, true, std::nullopt},
                                     {51, true, CoverSize{75, 87}},
                                     {110, false, std::nullopt},
                                     {111, false, CoverSize{100, 87}},
                                     {80, false, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(searchCoverSize(c.width, c.portrait), c.size) << c.width << c.portrait;
    }
}

std::vector<FileResult> files(std::initializer_list<const char*> names) {
    std::vector<FileResult> batch;
    for (const char* name : names) {
        batch.push_back({"MP3", "1.000 MB", "1", name});
    }
    return batch;
}

Texts column(const SearchResultRows& rows, std::size_t index) {
    Texts texts;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        texts.push_back(rows.text(row, index));
    }
    return texts;
}

TEST(SearchResultRowsTest, TheResultFoundLastIsTheFirstRow) {
    SearchResultRows rows;
    rows.reset(true);
    EXPECT_EQ(rows.addFiles(files({"a", "b"})), 2u);
    rows.addFiles(files({"c"}));
    EXPECT_EQ(column(rows, 0), (Texts{"c", "b", "a"}));
    rows.reset(false);
    EXPECT_TRUE(rows.empty());
    rows.addDiscs({{"3", "Rock", "home", true}, {"4", "Jazz", "Peter", false}});
    EXPECT_EQ(column(rows, 0), (Texts{"Jazz", "Rock"}));
    EXPECT_EQ(column(rows, 2), (Texts{"Peter", "home"}));
}

TEST(SearchResultRowsTest, EachColumnSortsDescendingFirstThenAscendingWithItsComparison) {
    SearchResultRows rows;
    rows.reset(true);
    rows.addFiles({{"MP3", "10.500 MB", "9", "beta"},
                   {"avi", "2.000 MB", "10", "Alpha"},
                   {"Doc", "100.000 MB", "100", "gamma"}});
    struct Case {
        std::size_t column;
        Texts firstClick;
        Texts secondClick;
    };
    const std::vector<Case> cases = {
        {0, {"gamma", "beta", "Alpha"}, {"Alpha", "beta", "gamma"}},
        {1, {"100", "10", "9"}, {"9", "10", "100"}},
        {2, {"100.000 MB", "10.500 MB", "2.000 MB"}, {"2.000 MB", "10.500 MB", "100.000 MB"}},
        {3, {"MP3", "Doc", "avi"}, {"avi", "Doc", "MP3"}},
    };
    for (const Case& c : cases) {
        rows.sortBy(c.column);
        EXPECT_EQ(column(rows, c.column), c.firstClick) << c.column;
        rows.sortBy(c.column);
        EXPECT_EQ(column(rows, c.column), c.secondClick) << c.column;
    }
}

TEST(SearchResultRowsTest, TheFilterKeepsMatchingKeptResultsInTheirOrder) {
    SearchResultRows rows;
    rows.reset(true);
    rows.addFiles({{"MP3", "1.000 MB", "1", "Song"},
                   {"", "0.001 MB", "2", "README"},
                   {"TXT", "0.001 MB", "3", "song notes"}});
    rows.keepShown();
    rows.showFiltered("SONG");
    EXPECT_EQ(column(rows, 0), (Texts{"song notes", "Song"}));
    rows.showFiltered(".mp3");
    EXPECT_EQ(column(rows, 0), (Texts{"Song"}));
    rows.showFiltered("");
    EXPECT_EQ(column(rows, 0), (Texts{"song notes", "README", "Song"}));

    rows.reset(false);
    rows.addDiscs({{"1", "Rock Hits", "home", true}, {"2", "rock ballads", "home", true}});
    rows.keepShown();
    rows.showFiltered("rock");
    EXPECT_EQ(column(rows, 0), (Texts{"rock ballads", "Rock Hits"}));
}

TEST(SearchResultRowsTest, TheFullNameAddsTheLowerCasedType) {
    EXPECT_EQ(fullFileName({"archive.tar", "1", "", "GZ", "", false}), "archive.tar.gz");
    EXPECT_EQ(fullFileName({"README", "1", "", "", "", false}), "README");
}

// The disc tree as the actions drive it: records what it was asked.
struct RecordingTree final : test::QuietDiscTree {
    Texts calls;
    std::string refuseAt;
    std::string selected;
    bool selectDisc(const std::string& number) override {
        calls.push_back("select " + number);
        selected = number;
        return true;
    }
    void collapseDisc(const std::string& number) override { calls.push_back("collapse " + number); }
    void locateFile(const CQXFileData& entry) override {
        calls.push_back("locate " + std::string(entry.name()));
    }
    ShareResult shareSelectedDisc(bool shared) override {
        calls.push_back((shared ? "share " : "unshare ") + selected);
        return selected == refuseAt ? ShareResult::Refused : ShareResult::Changed;
    }
};

struct RecordingCommands final : test::QuietCommandsPane {
    int refreshes = 0;
    void refreshStatus() override { ++refreshes; }
};

struct RecordingHost final : SearchWindowHost {
    Texts calls;
    void minimizeSearchWindows() override { calls.push_back("minimize"); }
    void maximizeMainWindow() override { calls.push_back("maximize"); }
};

struct RecordingCopies final : CopyFromSearch {
    std::vector<std::string> discs;
    Texts names;
    int calls = 0;
    void copyFromSearch(const std::vector<CQXDisc*>& from, const Texts& named) override {
        ++calls;
        for (const CQXDisc* disc : from) {
            discs.emplace_back(disc->number());
        }
        names = named;
    }
};

// Drives where a catalogued path is found as a file when the test says so.
struct PathDrives final : DiscDrives {
    std::map<std::string, std::string> files;
    std::vector<DiscSource> opticalDrives() override { return {}; }
    DiscSource addImage(const std::string&) override { return {}; }
    DiscSource addFolder(const std::string&) override { return {}; }
    std::unique_ptr<DiscVolume> open(const std::string&) override { return nullptr; }
    std::optional<std::string> resolve(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? std::nullopt : std::optional(found->second);
    }
};

CQXCatalog twoDiscs() {
    CQXCatalog catalogue;
    for (const char* number : {"1", "2"}) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setName(std::string("Disc ") + number);
        disc->setSerial("0");
        disc->setCategories(TextList{"Music"});
        disc->files.push_back(CQXFileData("Song.MP3", "d:\\music\\", "1048576", "d:"));
        disc->files.push_back(CQXFileData("song.mp3", "d:\\other\\", "1048576", "d:"));
        disc->files.push_back(CQXFileData("README", "d:\\", "10", "d:"));
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

class SearchResultActionsTest : public ::testing::Test {
protected:
    SearchResultActionsTest() {
        rig.load(twoDiscs());
        rig.document.addPane(tree);
        rig.document.addPane(commands);
    }
    ~SearchResultActionsTest() override {
        rig.document.removePane(tree);
        rig.document.removePane(commands);
    }
    SearchResultActions actions(bool maySeeAll = true) {
        return SearchResultActions({rig.document, rig.prompt, drives, rig.shell, copies, host},
                                   maySeeAll);
    }
    CQXDisc& disc(const char* number) { return *rig.document.catalogue().findDisc(number); }

    DocumentRig rig;
    RecordingTree tree;
    RecordingCommands commands;
    RecordingHost host;
    RecordingCopies copies;
    PathDrives drives;
    std::function<bool()> always = [] { return true; };
};

const SearchResultRow kSong{"song", "1", "1.000 MB", "MP3", "", false};
const SearchResultRow kDisc1{"Disc 1", "1", "", "", "home", false};
const SearchResultRow kDisc2{"Disc 2", "2", "", "", "home", false};
const SearchResultRow kGone{"Disc 9", "9", "", "", "home", false};

TEST_F(SearchResultActionsTest, ChangesNeedTheOwnerAndResultsOfTheRightKind) {
    struct Case {
        bool maySeeAll;
        bool fileResults;
        bool discs;
        const char* message;  // empty when allowed
    };
    const std::vector<Case> cases = {
        {false, false, true, "Unauthorized action!"},
        {false, true, false, "Unauthorized action!"},
        {true, true, true, "Select a CD"},
        {true, false, false, "Select a file"},
        {true, false, true, ""},
        {true, true, false, ""},
    };
    for (const Case& c : cases) {
        rig.prompt.messages.clear();
        SearchResultActions tested = actions(c.maySeeAll);
        const bool allowed =
            c.discs ? tested.mayChangeDiscs(c.fileResults) : tested.mayChangeFiles(c.fileResults);
        EXPECT_EQ(allowed, std::string(c.message).empty()) << c.message;
        EXPECT_EQ(rig.prompt.messages, std::string(c.message).empty() ? Texts{} : Texts{c.message});
    }
}

TEST_F(SearchResultActionsTest, AttachingPutsNewCategoriesInFrontAndMarksTheDocument) {
    actions().attachDiscCategories({kDisc1, kDisc2}, {"Music", "Rock", "Live"}, always);
    EXPECT_EQ(disc("1").categories(), (Texts{"Live", "Rock", "Music"}));
    EXPECT_EQ(disc("2").categories(), (Texts{"Live", "Rock", "Music"}));
    EXPECT_TRUE(rig.document.isModified());
    EXPECT_EQ(rig.prompt.messages, Texts{"Categories attached!"});
}

TEST_F(SearchResultActionsTest, DeletingCategoriesNoDiscCarriesSaysNothingAndChangesNothing) {
    actions().deleteDiscCategories({kDisc1, kDisc2}, {"Jazz"}, always);
    EXPECT_FALSE(rig.document.isModified());
    EXPECT_TRUE(rig.prompt.messages.empty());
    actions().deleteDiscCategories({kDisc1}, {"Music"}, always);
    EXPECT_TRUE(disc("1").categories().empty());
    EXPECT_EQ(disc("2").categories(), Texts{"Music"});
    EXPECT_EQ(rig.prompt.messages, Texts{"CD categories deleted!"});
}

TEST_F(SearchResultActionsTest, FileCategoriesGoToEveryEntryOfTheNameOnTheRowsDisc) {
    actions().attachFileCategories({kSong}, {"Rock"}, always);
    EXPECT_EQ(disc("1").files[0].categories(), Texts{"Rock"});
    EXPECT_EQ(disc("1").files[1].categories(), Texts{"Rock"});
    EXPECT_TRUE(disc("1").files[2].categories().empty());
    EXPECT_TRUE(disc("2").files[0].categories().empty());
    actions().deleteFileCategories({kSong}, {"Rock"}, always);
    EXPECT_TRUE(disc("1").files[0].categories().empty());
    EXPECT_EQ(rig.prompt.messages, (Texts{"Categories attached!", "Selected categories deleted!"}));
}

// The rows' disc is not the current one: the next search must see the change all the same.
TEST_F(SearchResultActionsTest, CategoriesChangedFromResultsReachTheNextSearch) {
    rig.document.setCurrentDisc(disc("2"));
    const auto firstOf = [&](const CatalogueSnapshot& discs) -> const DiscSnapshot& {
        return *discs->front();
    };
    ASSERT_EQ(firstOf(rig.document.searchDiscs()).number(), "1");
    actions().attachFileCategories({kSong}, {"Rock"}, always);
    EXPECT_EQ(firstOf(rig.document.searchDiscs()).fileCategories(0), Texts{"Rock"});
}

TEST_F(SearchResultActionsTest, AddToPlaylistRunsAWindowOverTheNamesEntriesWithTheirDiscNumber) {
    actions().addToPlaylist({kSong});
    ASSERT_EQ(rig.playlists.run.size(), 1u);
    EXPECT_TRUE(rig.playlists.asked.empty()) << "the window is run, not kept by the document";
    const std::vector<CQXFileData*> expected = {&disc("1").files[0], &disc("1").files[1]};
    EXPECT_EQ(rig.playlists.run.front(), expected);
    EXPECT_EQ(disc("1").files[0].discNumber(), "1");
}

TEST_F(SearchResultActionsTest, AMissingDiscEndsAWalkAndIsTold) {
    actions().attachDiscCategories({kGone, kDisc1}, {"Rock"}, always);
    EXPECT_EQ(disc("1").categories(), Texts{"Music"});
    EXPECT_EQ(rig.prompt.messages, (Texts{"The CD does not exist!", "Categories attached!"}));
    EXPECT_EQ(actions().shareDiscs({kDisc1, kGone, kDisc2}, true, always), RowWalkEnd::DiscMissing);
    EXPECT_EQ(tree.calls, (Texts{"select 1", "share 1"}));
}

TEST_F(SearchResultActionsTest, SharingGoesThroughTheTreeUntilStoppedOrRefused) {
    tree.refuseAt = "1";
    EXPECT_EQ(actions().shareDiscs({kDisc2, kDisc1, kDisc2}, false, always), RowWalkEnd::Refused);
    EXPECT_EQ(tree.calls, (Texts{"select 2", "unshare 2", "select 1", "unshare 1"}));
    EXPECT_EQ(commands.refreshes, 1);
    tree.calls.clear();
    int rows = 0;
    EXPECT_EQ(actions().shareDiscs({kDisc2, kDisc2}, true, [&] { return rows++ < 1; }),
              RowWalkEnd::Finished);
    EXPECT_EQ(tree.calls, (Texts{"select 2", "share 2"}));
}

TEST_F(SearchResultActionsTest, GoToFileCollapsesTheDiscVisitedBeforeAndMaximizes) {
    SearchResultActions tested = actions();
    tested.goToFile(&kSong, true);
    const SearchResultRow onTwo{"readme", "2", "0.000 MB", "", "", false};
    tested.goToFile(&onTwo, true);
    tested.goToFile(&onTwo, true);
    EXPECT_EQ(tree.calls, (Texts{"select 1", "locate Song.MP3", "collapse 1", "select 2",
                                 "locate README", "select 2", "locate README"}));
    host.calls.clear();
    tested.goToFile(&kDisc1, false);
    EXPECT_EQ(host.calls, Texts{"maximize"});
}

TEST_F(SearchResultActionsTest, GoToDiscMinimizesTheSearchWindowsAndSelectsTheDisc) {
    actions().goToDisc(kDisc2);
    EXPECT_EQ(host.calls, Texts{"minimize"});
    EXPECT_EQ(tree.calls, Texts{"select 2"});
    actions().goToDisc(kGone);
    EXPECT_EQ(rig.prompt.messages, Texts{"The CD does not exist!"});
}

TEST_F(SearchResultActionsTest, OpenFindsTheEntryByNameAndSizeAndOpensItFromItsDrive) {
    drives.files["d:\\music\\Song.MP3"] = "/media/cd/music/Song.MP3";
    actions().open(kSong);
    EXPECT_EQ(rig.shell.opened, Texts{"/media/cd/music/Song.MP3"});
    rig.shell.works = false;
    actions().open(kSong);
    EXPECT_EQ(rig.prompt.messages, Texts{"Could not open the file."});
}

// The members of archives it is asked to open.
struct RecordingMembers final : MemberOpener {
    Texts opened;
    Texts failureMessages;
    void open(const std::string& path, std::string_view failureMessage) override {
        opened.push_back(path);
        failureMessages.emplace_back(failureMessage);
    }
};

TEST_F(SearchResultActionsTest, OpenHandsAMemberOfAnArchiveOnTheDriveToTheMemberOpener) {
    test::TempDir dir;
    test::writeFile(dir.file("old.zip"), "PK");
    drives.files["d:\\backup"] = dir.path();
    drives.files["d:\\backup\\old.zip"] = dir.file("old.zip");
    disc("1").files.push_back(CQXFileData("A.txt", "d:\\backup\\old.zip\\docs\\", "1048576", "d:"));
    disc("1").files.push_back(CQXFileData("B.txt", "d:\\backup\\docs\\", "1048576", "d:"));
    RecordingMembers members;
    SearchResultActions tested(
        {rig.document, rig.prompt, drives, rig.shell, copies, host, &members}, true);
    tested.open({"A", "1", "1.000 MB", "TXT", "", false});
    EXPECT_EQ(members.opened, Texts{"d:\\backup\\old.zip\\docs\\A.txt"});
    EXPECT_EQ(members.failureMessages, Texts{"Could not open the file."});
    EXPECT_TRUE(rig.shell.opened.empty());
    EXPECT_TRUE(rig.prompt.messages.empty());

    // Below a folder, not a file, nothing is a member: the disc is asked for.
    tested.open({"B", "1", "1.000 MB", "TXT", "", false});
    EXPECT_EQ(members.opened.size(), 1u);
    EXPECT_EQ(rig.prompt.messages, Texts{"Please, insert CD 1 and then press OK."});
}

TEST_F(SearchResultActionsTest, OpenAsksForTheDiscUntilCancelled) {
    rig.prompt.answers = {Answer::Ok, Answer::Cancel};
    actions().open(kSong);
    EXPECT_EQ(rig.prompt.messages, (Texts{"Please, insert CD 1 and then press OK.",
                                          "Please, insert CD 1 and then press OK."}));
    EXPECT_TRUE(rig.shell.opened.empty());
}

TEST_F(SearchResultActionsTest, CopyHandsOverDiscsAndLowerCasedNamesButNotPastAMissingDisc) {
    actions().copyFiles({kSong, {"README", "2", "", "", "", false}});
    EXPECT_EQ(copies.discs, (Texts{"1", "2"}));
    EXPECT_EQ(copies.names, (Texts{"song.mp3", "readme"}));
    actions().copyFiles({kSong, kGone});
    EXPECT_EQ(copies.calls, 1);
    EXPECT_EQ(rig.prompt.messages, Texts{"The CD does not exist!"});
}

}  // namespace
}  // namespace vorlix
