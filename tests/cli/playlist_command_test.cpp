#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_test_fixture.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "playlists/playlist_files.h"

namespace vorlix {
namespace {

using test::writeFile;

const Windows1252 kCodePage;

// "disc number|file name" of each record of a help playlist, in file order.
std::vector<std::string> helpRecords(const std::string& path) {
    std::vector<CQXHPlaylist> records;
    const Result read = readHelpPlaylistFile(path, kCodePage, records);
    EXPECT_TRUE(read) << read.message();
    std::vector<std::string> texts;
    for (const CQXHPlaylist& record : records) {
        texts.push_back(record.discNumber + "|" + record.fileName);
    }
    return texts;
}

class PlaylistCommandTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        ASSERT_EQ(run("accounts add bob", "secret").status, 0);
        CQXCatalog catalogue;
        addDisc(catalogue, "07", "Yes",
                {{"Help.mp3", "d:\\music\\"},
                 {"readme.txt", "d:\\"},
                 {"03 Help Me.cda", "d:\\"},
                 {"HELPER.TXT", "d:\\docs\\"}});
        addDisc(catalogue, "3", "No", {{"help live.mp3", "d:\\live\\"}});
        writeFile(folder.file("cat.vrd"), writeCatalogue(catalogue, kCodePage));
    }

    struct File {
        const char* name;
        const char* folder;
    };
    static void addDisc(CQXCatalog& catalogue, const char* number, const char* shared,
                        const std::vector<File>& files) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setName("Disc " + std::string(number));
        disc->setShared(shared);
        disc->setOwnerName("anna");
        disc->setOwnerDigest(md5Hex("secret"));
        for (const File& file : files) {
            disc->files.emplace_back(file.name, file.folder, "1024", "d:");
        }
        catalogue.appendDisc(std::move(disc));
    }

    test::CliRun playlist(const std::string& arguments, const std::string& user = "anna") {
        return run("playlist " + quoted("cat.vrd") + " " + arguments + " --user " + user, "secret");
    }
};

struct HelpCase {
    const char* user;
    std::vector<std::string> records;
};

class PlaylistCommandHelp : public PlaylistCommandTest,
                            public ::testing::WithParamInterface<HelpCase> {};

// The records follow the search's order: disc by disc, a disc's entries from its last one.
TEST_P(PlaylistCommandHelp, WritesTheFoundEntriesWithTheirDiscNumbers) {
    const test::CliRun result = playlist("HELP " + quoted("found.qxhl"), GetParam().user);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "wrote " + std::to_string(GetParam().records.size()) + " files to " +
                              folder.file("found.qxhl") + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(helpRecords(folder.file("found.qxhl")), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Users, PlaylistCommandHelp,
    ::testing::Values(
        // The owner sees every disc.
        HelpCase{"anna", {"07|HELPER.TXT", "07|03 Help Me.cda", "07|Help.mp3", "3|help live.mp3"}},
        // Anybody else sees the shared discs only.
        HelpCase{"bob", {"07|HELPER.TXT", "07|03 Help Me.cda", "07|Help.mp3"}}));

TEST_F(PlaylistCommandTest, NamesEachFileOnceForEveryFolderGivenAsADrive) {
    std::filesystem::create_directories(folder.file("disc/Music"));
    std::filesystem::create_directories(folder.file("copy"));
    writeFile(folder.file("disc/Music/Help.mp3"), "tune");
    const test::CliRun result = playlist("'help*' " + quoted("out.m3u") + " --from " +
                                         quoted("disc") + " --from " + quoted("copy"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    // A folder is found without regard to case where the disc holds it; an audio track goes by
    // the name its drive shows for it.
    const std::string disc = folder.file("disc");
    const std::string copy = folder.file("copy");
    EXPECT_EQ(test::readFile(folder.file("out.m3u")),
              disc + "/docs/HELPER.TXT\r\n" + copy + "/docs/HELPER.TXT\r\n" + disc +
                  "/Track03.cda\r\n" + copy + "/Track03.cda\r\n" + disc + "/Music/Help.mp3\r\n" +
                  copy + "/music/Help.mp3\r\n" + disc + "/live/help live.mp3\r\n" + copy +
                  "/live/help live.mp3\r\n");
}

TEST_F(PlaylistCommandTest, ADriveWithoutAMountedDiscIsToldOfOnceAndNamesNothing) {
    ASSERT_EQ(run("config set e: /dev/vorlix-no-such-drive").status, 0);
    const test::CliRun result = playlist("help " + quoted("out.bsl") + " --from E:");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "vorlix-cli: No disc is mounted in E:\\: the playlist names no files there.\n");
    EXPECT_EQ(result.out, "wrote 4 files to " + folder.file("out.bsl") + "\n");
    EXPECT_TRUE(std::filesystem::exists(folder.file("out.bsl")));
    EXPECT_EQ(test::readFile(folder.file("out.bsl")), "");
}

TEST_F(PlaylistCommandTest, RefusesWhatNoPlayerCouldUseAndWritesNothing) {
    writeFile(folder.file("disc.iso"), std::string(4096, '\0'));
    const struct {
        std::string arguments;
        std::string written;
        std::string error;
    } cases[] = {
        {"help " + quoted("out.txt"), "out.txt",
         folder.file("out.txt") + ": a playlist is written as .m3u, .bsl or .qxhl"},
        {"help " + quoted("out"), "out",
         folder.file("out") + ": a playlist is written as .m3u, .bsl or .qxhl"},
        {"help " + quoted("out.m3u") + " --from " + quoted("disc.iso"), "out.m3u",
         folder.file("disc.iso") +
             ": a player cannot open the files inside an image; give the folder it is mounted "
             "at"},
    };
    for (const auto& c : cases) {
        const test::CliRun result = playlist(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, "vorlix-cli: " + c.error + "\n") << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(folder.file(c.written))) << c.arguments;
    }
}

}  // namespace
}  // namespace vorlix
