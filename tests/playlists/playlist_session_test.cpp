#include "playlists/playlist_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/setting_names.h"
#include "core/code_page.h"
#include "core/file_data.h"
#include "playlists/mounted_drives.h"
#include "playlists/playlist_files.h"
#include "playlists/playlist_track_name.h"
#include "support/document_fakes.h"
#include "support/memory_settings.h"
#include "support/result_assertions.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

TEST(PlaylistTrackNameTest, MapsRenamedTracksToTheNamesTheDriveShows) {
    const struct {
        const char* name;
        const char* mapped;
    } cases[] = {
        {"07 Title.cda", "Track07.cda"},
        {"Track03.cda", "track03.cda"},
        {"01 My Track.cda", "01 my track.cda"},
        {"intro.cda", "Track.cda"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(playlistTrackName(c.name), c.mapped) << c.name;
    }
}

class PlaylistSessionTest : public ::testing::Test {
protected:
    PlaylistSessionTest() {
        std::filesystem::create_directories(dir.file("d/Music"));
        std::filesystem::create_directories(dir.file("f"));
        drives.mountPoints = {{'D', dir.file("d")}, {'F', dir.file("f")}};
    }

    PlaylistServices services() { return {prompt, settings, kCodePage, shell, drives}; }

    std::vector<std::size_t> shownOrder(const PlaylistSession& session) {
        std::vector<std::size_t> order;
        for (const PlaylistRow& row : session.rows()) {
            order.push_back(row.index);
        }
        return order;
    }

    std::vector<CQXHPlaylist> helpPlaylist(const std::string& path) {
        std::vector<CQXHPlaylist> records;
        EXPECT_TRUE(test::succeeded(readHelpPlaylistFile(path, kCodePage, records)));
        return records;
    }

    test::TempDir dir;
    test::ScriptedPrompt prompt;
    test::MemorySettings settings;
    test::FakeShell shell;
    test::MountedDrives drives;
    CQXFileData song{"Song.mp3", "d:\\music\\", "1048576", "d:", "12"};
    CQXFileData root{"Readme.txt", "d:\\", "10", "d:", "3"};
    CQXFileData track{"07 Title.cda", "e:\\", "44", "e:", "5"};
};

TEST_F(PlaylistSessionTest, CreateNamesEveryFileOnEveryMountedDriveFromTheHighestLetter) {
    PlaylistSession session({&song, &root}, services());
    prompt.files.push_back(dir.file("list.m3u"));
    ASSERT_TRUE(session.save(PlaylistAction::Create, {true, true}, shownOrder(session)));

    // Held in the reverse of the order given; the folder takes the disc's own spelling.
    const std::string lines = dir.file("f") + "/Readme.txt\r\n" + dir.file("d") +
                              "/Readme.txt\r\n" + dir.file("f") + "/music/Song.mp3\r\n" +
                              dir.file("d") + "/Music/Song.mp3\r\n";
    EXPECT_EQ(test::readFile(dir.file("list.m3u")), lines);
    EXPECT_EQ(test::readFile(dir.file("list.bsl")), lines);
    const std::vector<CQXHPlaylist> records = helpPlaylist(dir.file("list.qxhl"));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fileName, "Song.mp3");
    EXPECT_EQ(records[0].discNumber, "12");
    EXPECT_EQ(records[1].fileName, "Readme.txt");
    EXPECT_EQ(session.shownPath(), dir.file("list"));
    EXPECT_EQ(settings.readText(setting::kLastFilesKey, setting::kPlaylistSave, 512), dir.path());
    ASSERT_EQ(prompt.fileRequests.size(), 1u);
    EXPECT_EQ(prompt.fileRequests[0].title, "Save a mixed playlist");
    EXPECT_TRUE(prompt.fileRequests[0].overwritePrompt);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(PlaylistSessionTest, CreateMapsAudioTracksAndAppendKeepsTheCataloguedNames) {
    drives.mountPoints = {{'E', dir.file("d")}};
    PlaylistSession session({&track}, services());
    prompt.files.push_back(dir.file("cd.m3u"));
    ASSERT_TRUE(session.save(PlaylistAction::Create, {true, false}, shownOrder(session)));
    EXPECT_EQ(test::readFile(dir.file("cd.m3u")), dir.file("d") + "/Track07.cda\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("cd.bsl")));

    PlaylistSession more({&track, &song}, services());
    prompt.files.push_back(dir.file("cd.m3u"));
    ASSERT_TRUE(more.save(PlaylistAction::Append, {true, false}, shownOrder(more)));
    EXPECT_EQ(test::readFile(dir.file("cd.m3u")), dir.file("d") + "/Track07.cda\r\n" +
                                                      dir.file("d") + "/Music/Song.mp3\r\n" +
                                                      dir.file("d") + "/07 Title.cda\r\n");
    EXPECT_EQ(prompt.fileRequests[1].title, "Save as  WinAmp playlist");
    EXPECT_FALSE(prompt.fileRequests[1].overwritePrompt);

    // The appended records go in front, and the help playlist is shown as loaded.
    const std::vector<CQXHPlaylist> records = helpPlaylist(dir.file("cd.qxhl"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fileName, "Song.mp3");
    EXPECT_EQ(records[1].fileName, "07 Title.cda");
    EXPECT_EQ(records[2].fileName, "07 Title.cda");
    EXPECT_TRUE(more.helpPlaylistLoaded());
    ASSERT_EQ(more.loadedRows().size(), 3u);
    EXPECT_EQ(more.loadedRows().back().fileName, "Song.mp3");
    EXPECT_EQ(more.shownPath(), dir.file("cd.qxhl"));
}

TEST_F(PlaylistSessionTest, AppendWithoutAHelpPlaylistStopsWithTheFileError) {
    PlaylistSession session({&song}, services());
    prompt.files.push_back(dir.file("none.bsl"));
    EXPECT_FALSE(session.save(PlaylistAction::Append, {false, true}, shownOrder(session)));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Stop);
    EXPECT_NE(prompt.messages[0].find(dir.file("none.qxhl")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.qxhl")));
    EXPECT_FALSE(session.helpPlaylistLoaded());
}

TEST_F(PlaylistSessionTest, RefusesToSaveWithoutATypeAndToLaunchWithoutAPlayer) {
    PlaylistSession session({&song}, services());
    EXPECT_FALSE(session.save(PlaylistAction::Create, {false, false}, shownOrder(session)));
    session.launch(PlaylistPlayer::None);
    EXPECT_EQ(
        prompt.shown,
        (std::vector<test::Shown>{
            {"Please specify playlist type!", MessageIcon::None, std::nullopt},
            {"Please, select a player for this playlist!", MessageIcon::Stop, std::nullopt}}));
    EXPECT_TRUE(prompt.fileRequests.empty());
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(PlaylistSessionTest, AnUnmountedDriveGivesNoLinesAndIsToldOnce) {
    drives.mountPoints = {{'D', dir.file("d")}, {'E', ""}};
    PlaylistSession session({&root}, services());
    for (const char* name : {"a.m3u", "b.m3u"}) {
        prompt.files.push_back(dir.file(name));
        ASSERT_TRUE(session.save(PlaylistAction::Create, {true, false}, shownOrder(session)));
    }
    EXPECT_EQ(test::readFile(dir.file("b.m3u")), dir.file("d") + "/Readme.txt\r\n");
    EXPECT_EQ(
        prompt.messages,
        std::vector<std::string>{"No disc is mounted in E:\\: the playlist names no files there."});
}

TEST_F(PlaylistSessionTest, LoadsFiltersAndLaunchesAHelpPlaylist) {
    ASSERT_TRUE(test::succeeded(writeHelpPlaylistFile(
        dir.file("mix.qxhl"), {{"1", "Song.MP3"}, {"2", "Other.mp3"}, {"1", "Song.MP3"}},
        kCodePage)));
    settings.writeNumber(setting::kSettingsKey, setting::kDefaultPlayer, 1);
    PlaylistSession session({}, services());
    EXPECT_FALSE(session.hasEntries());
    EXPECT_EQ(session.initialPlayer(), PlaylistPlayer::BSPlayer);
    EXPECT_FALSE(session.filter("x").has_value());  // nothing loaded yet

    prompt.files.push_back(dir.file("mix.qxhl"));
    ASSERT_TRUE(session.load());
    EXPECT_EQ(prompt.fileRequests[0].title, "Open a playlist");
    EXPECT_EQ(session.loadedRows().size(), 3u);
    EXPECT_EQ(session.loadedRows().front().fileName, "Song.MP3");
    EXPECT_EQ(settings.readText(setting::kLastFilesKey, setting::kPlaylistOpen, 512), dir.path());

    const auto filtered = session.filter("SONG");
    ASSERT_TRUE(filtered.has_value());
    ASSERT_EQ(filtered->size(), 2u);
    EXPECT_EQ((*filtered)[0].fileName, "song.mp3");
    EXPECT_EQ((*filtered)[0].discNumber, "1");
    EXPECT_FALSE(session.filter("SONG").has_value());  // the same text again changes nothing
    EXPECT_EQ(session.filter("")->size(), 3u);

    session.launch(PlaylistPlayer::BSPlayer);
    session.launch(PlaylistPlayer::Winamp);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{dir.file("mix.bsl"), dir.file("mix.m3u")}));
}

}  // namespace
}  // namespace vorlix
