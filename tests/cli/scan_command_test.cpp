#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/cli_test_fixture.h"
#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "core/text_case.h"
#include "platform/disc/crafted_images.h"
#include "platform/disc/deep_folders.h"

namespace vorlix {
namespace {

using Lines = std::vector<std::string>;

const Windows1252 kCodePage;

// A file of that size without writing its bytes: the big ones stay sparse.
void makeFile(const std::string& path, off_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::ftruncate(fd, size), 0) << path;
    ::close(fd);
}

class ScanCommandTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        makeFile(folder.file("tree/Music/Rock/Song.MP3"), 5000);
        makeFile(folder.file("tree/Music/notes.xyz"), 12);
        makeFile(folder.file("tree/big.mp3"), 3'000'000'000);
        makeFile(folder.file("tree/README"), 7);
    }

    test::CliRun scan(const std::string& arguments, const std::string& user = "anna") {
        return run("scan " + arguments + " --user " + user, "secret");
    }

    CQXCatalog catalogue() {
        const std::string bytes = test::readFile(folder.file("cds.vrd"));
        MemorySource source(bytes);
        CQXCatalog result;
        readCatalogue(source, kCodePage, result);
        return result;
    }

    // "folder|name|size|drive" of each file of the disc, as recorded.
    static Lines files(const CQXDisc& disc) {
        Lines lines;
        for (const auto& file : disc.files) {
            lines.push_back(std::string(file.folder()) + "|" + std::string(file.name()) + "|" +
                            std::string(file.size()) + "|" + std::string(file.drive()));
        }
        return lines;
    }

    std::string image() {
        const std::string path = folder.file("disc.iso");
        const std::string command = "xorriso -as mkisofs -V 'MY BACKUP' -J -o '" + path + "' '" +
                                    folder.file("iso") + "' >/dev/null 2>&1";
        makeFile(folder.file("iso/Photos/Beach.jpg"), 70000);
        makeFile(folder.file("iso/index.txt"), 12);
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return path;
    }
};

TEST_F(ScanCommandTest, AFolderBecomesTheVirtualDiscOfANewCatalogue) {
    const test::CliRun result = scan(quoted("tree") + " " + quoted("cds.vrd") + " --drive e:");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "number: 1\nname: VirtCD\nserial: \nsize: 2861.028 MB\nfiles: 3\nlocation: virtual\n"
              "not recorded, on neither filter list: xyz\n");

    const CQXCatalog cds = catalogue();
    ASSERT_EQ(cds.discs.size(), 1u);
    const CQXDisc& disc = *cds.discs[0];
    EXPECT_EQ(disc.number(), "1");
    EXPECT_EQ(disc.name(), "VirtCD");
    EXPECT_EQ(disc.location(), "virtual");
    EXPECT_EQ(disc.serial(), "");
    EXPECT_EQ(disc.size(), "2861.028");
    EXPECT_EQ(disc.ownerName(), "anna");
    EXPECT_EQ(disc.ownerDigest(), md5Hex("secret"));
    EXPECT_EQ(disc.shared(), "No");
    EXPECT_EQ(disc.info(), "<info>\r\n<notes/>\r\n</info>\r\n");
    EXPECT_EQ(disc.outline(), "1 VirtCD\r\n\tMusic\r\n\t\tRock\r\n");
    // The root's own files come last, in the order the file system lists them.
    const Lines recorded = files(disc);
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_EQ(recorded[0], "e:\\music\\rock\\|Song.MP3|5000|e:");
    Lines root(recorded.begin() + 1, recorded.end());
    std::sort(root.begin(), root.end());
    EXPECT_EQ(root, (Lines{"e:\\|README|7|e:", "e:\\|big.mp3|-1294967296|e:"}));
}

TEST_F(ScanCommandTest, WithoutTheFilterEveryFileIsRecordedAndTheNextNumberFollows) {
    ASSERT_EQ(scan(quoted("tree") + " " + quoted("cds.vrd")).status, 0);
    const test::CliRun result = scan("--no-filter " + quoted("tree") + " " + quoted("cds.vrd"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("number: 2\n"), std::string::npos);
    EXPECT_NE(result.out.find("files: 4\n"), std::string::npos);
    EXPECT_EQ(result.out.find("not recorded"), std::string::npos);

    const CQXCatalog cds = catalogue();
    ASSERT_EQ(cds.discs.size(), 2u);
    EXPECT_EQ(cds.discs[1]->number(), "2");
    EXPECT_EQ(cds.discs[1]->files.size(), 4u);
}

TEST_F(ScanCommandTest, AnIsoImageIsScannedOnceAndRefusedTheSecondTime) {
    const std::string iso = image();
    const test::CliRun first = scan("'" + iso + "' " + quoted("cds.vrd") + " --drive=F:");
    ASSERT_EQ(first.status, 0) << first.err;
    const CQXCatalog cds = catalogue();
    ASSERT_EQ(cds.discs.size(), 1u);
    const CQXDisc& disc = *cds.discs[0];
    EXPECT_EQ(disc.name(), "MY BACKUP");
    EXPECT_EQ(disc.location(), "home");
    EXPECT_FALSE(disc.serial().empty());
    EXPECT_EQ(disc.outline(), "1 MY BACKUP\r\n\tPhotos\r\n");
    EXPECT_EQ(files(disc), (Lines{"f:\\photos\\|Beach.jpg|70000|f:", "f:\\|index.txt|12|f:"}));
    EXPECT_NE(first.out.find("serial: " + std::string(disc.serial()) + "\n"), std::string::npos);

    const std::string before = test::readFile(folder.file("cds.vrd"));
    const test::CliRun again = scan("'" + iso + "' " + quoted("cds.vrd"));
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "vorlix-cli: You already have a CD with the same serial number!\n");
    EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before);
}

TEST_F(ScanCommandTest, OnlyTheOwnerAddsToACatalogue) {
    ASSERT_EQ(scan(quoted("tree") + " " + quoted("cds.vrd")).status, 0);
    ASSERT_EQ(run("accounts add bob", "secret").status, 0);
    const std::string before = test::readFile(folder.file("cds.vrd"));
    const test::CliRun result = scan(quoted("tree") + " " + quoted("cds.vrd"), "bob");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "vorlix-cli: Operation not allowed! Logged in as : bob\n");
    EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before);
}

TEST_F(ScanCommandTest, ASourceOrDriveThatIsNoneIsReported) {
    const struct {
        std::string arguments;
        std::string err;
    } cases[] = {
        {quoted("missing") + " " + quoted("cds.vrd"),
         "vorlix-cli: " + folder.file("missing") +
             ": no drive, image file or folder of that name\n"},
        {"Q: " + quoted("cds.vrd"), "vorlix-cli: Q:: no optical drive of that name\n"},
        {quoted("tree") + " " + quoted("cds.vrd") + " --drive music",
         "vorlix-cli: --drive takes a drive letter such as E:\n"},
    };
    for (const auto& c : cases) {
        const test::CliRun result = scan(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, c.err) << c.arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("cds.vrd")));
    EXPECT_EQ(run("scan " + quoted("tree")).status, 2);
}

// An image that is none, or that is damaged, adds no disc: the one line on stderr says what is
// wrong with it, and nothing the disc libraries print comes with it.
TEST_F(ScanCommandTest, AnImageThatCannotBeScannedSaysWhyAndAddsNoDisc) {
    const std::string good = image();
    const std::string bytes = test::readFile(good);
    test::writeFile(folder.file("text.iso"), std::string(100000, 'x'));
    test::writeFile(folder.file("empty.iso"), "");
    test::writeFile(folder.file("cut.iso"), bytes.substr(0, 60000));
    test::writeFile(folder.file("audio.cue"), "FILE \"audio.bin\" BINARY\n  TRACK 01 AUDIO\n");
    test::writeFile(folder.file("looping.iso"), bytes);
    test::loopIsoFolder(folder.file("looping.iso"), "Photos", true);
    const struct {
        std::string file;
        std::string problem;
    } cases[] = {
        {"text.iso", folder.file("text.iso") + ": not a disc image"},
        {"empty.iso", folder.file("empty.iso") + ": not a disc image (the file is empty)"},
        {"cut.iso", folder.file("cut.iso") + ": the image is cut short: its volume takes " +
                        std::to_string(bytes.size()) + " bytes, the file holds 60000"},
        {"audio.cue",
         folder.file("audio.cue") + ": the track file " + folder.file("audio.bin") + " is missing"},
        {"looping.iso",
         "The disc cannot be scanned: its folder tree loops at d:\\photos\\, which leads back to a "
         "folder already read."},
    };
    for (const auto& c : cases) {
        const test::CliRun result = scan(quoted(c.file) + " " + quoted("cds.vrd"));
        EXPECT_EQ(result.status, 1) << c.file;
        EXPECT_EQ(result.out, "") << c.file;
        EXPECT_EQ(result.err, "vorlix-cli: " + c.problem + "\n") << c.file;
        EXPECT_FALSE(std::filesystem::exists(folder.file("cds.vrd"))) << c.file;
    }
}

// Files below a path longer than the system takes are found; what cannot be read as a file is
// left out and named in a warning, and the disc is added all the same.
TEST_F(ScanCommandTest, DeepFoldersAreReadAndWhatCannotBeReadIsReported) {
    const test::DeepFolders deep(folder.file("tree"), 300, "bottom.mp3", 9);
    ASSERT_EQ(::mkfifo(folder.file("tree/pipe.mp3").c_str(), 0644), 0);
    std::filesystem::create_directories(folder.file("tree/sub"));
    test::makeSocketFile(folder.file("tree/sub/sock.mp3"));

    const test::CliRun result =
        scan(quoted("tree") + " " + quoted("cds.vrd") + " --drive e: --no-filter");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "vorlix-cli: warning: 2 items could not be read and are not catalogued: "
              "e:\\sub\\sock.mp3, e:\\pipe.mp3\n");
    EXPECT_NE(result.out.find("files: 5\n"), std::string::npos) << result.out;
    const CQXCatalog cds = catalogue();
    ASSERT_EQ(cds.discs.size(), 1u);
    const Lines recorded = files(*cds.discs[0]);
    const std::string bottom = "e:\\" + lowerCase(deep.path("\\")) + "\\|bottom.mp3|9|e:";
    EXPECT_NE(std::find(recorded.begin(), recorded.end(), bottom), recorded.end());
}

}  // namespace
}  // namespace vorlix
