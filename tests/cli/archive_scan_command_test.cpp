#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_test_fixture.h"
#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "support/noise_bytes.h"

namespace vorlix {
namespace {

using Lines = std::vector<std::string>;

const Windows1252 kCodePage;

class ArchiveScanCommandTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        put("staging/docs/a.txt", "alpha");
        put("staging/docs/deeper/b.txt", "bb");
        put("staging/top.bin", test::noiseBytes(1536 * 1024, 1));
        put("staging/hidden.txt", "hidden");
        shell("bsdtar --format zip -cf '" + folder.file("tree/Backup/old.zip") + "' docs top.bin");
        shell("bsdtar -czf '" + folder.file("tree/Backup/set.tar.gz") + "' docs");
        shell("bsdtar --format 7zip -cf '" + folder.file("tree/pack.7z") + "' docs");
        shell("zip -q -P secret '" + folder.file("tree/locked.zip") + "' hidden.txt");
        put("tree/Backup/notes.txt", "notes");
    }

    void put(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(folder.file(name)).parent_path());
        test::writeFile(folder.file(name), bytes);
    }

    void shell(const std::string& command) {
        std::filesystem::create_directories(folder.file("tree/Backup"));
        const std::string line = "cd '" + folder.file("staging") + "' && " + command;
        ASSERT_EQ(std::system(line.c_str()), 0) << line;
    }

    test::CliRun scan(const std::string& source, const std::string& catalogue,
                      const std::string& options) {
        return run("scan --no-filter " + quoted(source) + " " + quoted(catalogue) + " " + options +
                       " --user anna",
                   "secret");
    }

    CQXCatalog read(const std::string& name) {
        const std::string bytes = test::readFile(folder.file(name));
        MemorySource source(bytes);
        CQXCatalog result;
        readCatalogue(source, kCodePage, result);
        return result;
    }

    // "folder|name|size" of the disc's files, sorted: the file system's order varies.
    static Lines files(const CQXDisc& disc) {
        Lines lines;
        for (const auto& file : disc.files) {
            lines.push_back(std::string(file.folder()) + "|" + std::string(file.name()) + "|" +
                            std::string(file.size()));
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    static std::string size(const std::string& path) {
        return std::to_string(std::filesystem::file_size(path));
    }
};

TEST_F(ArchiveScanCommandTest, ListsArchiveMembersAndWarnsOfArchivesItCannotList) {
    const test::CliRun result = scan("tree", "cds.vrd", "--archives --drive e:");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "vorlix-cli: warning: 1 archive could not be listed and is catalogued as a file: "
              "e:\\locked.zip\n");

    const CQXCatalog cds = read("cds.vrd");
    ASSERT_EQ(cds.discs.size(), 1u);
    const std::string bin = std::to_string(1536 * 1024);
    EXPECT_EQ(files(*cds.discs[0]),
              (Lines{
                  "e:\\backup\\old.zip\\docs\\deeper\\|b.txt|2",
                  "e:\\backup\\old.zip\\docs\\|a.txt|5",
                  "e:\\backup\\old.zip\\|top.bin|" + bin,
                  "e:\\backup\\set.tar.gz\\docs\\deeper\\|b.txt|2",
                  "e:\\backup\\set.tar.gz\\docs\\|a.txt|5",
                  "e:\\backup\\|notes.txt|5",
                  "e:\\backup\\|old.zip|" + size(folder.file("tree/Backup/old.zip")),
                  "e:\\backup\\|set.tar.gz|" + size(folder.file("tree/Backup/set.tar.gz")),
                  "e:\\pack.7z\\docs\\deeper\\|b.txt|2",
                  "e:\\pack.7z\\docs\\|a.txt|5",
                  "e:\\|locked.zip|" + size(folder.file("tree/locked.zip")),
                  "e:\\|pack.7z|" + size(folder.file("tree/pack.7z")),
              }));
}

TEST_F(ArchiveScanCommandTest, TheLimitKeepsLargerArchivesPlainAndMustBeAPositiveNumber) {
    const test::CliRun result = scan("tree", "cds.vrd", "--archives --archive-limit 1");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("2 archives could not be listed and are catalogued as files: "),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("\\backup\\old.zip"), std::string::npos) << result.err;
    const Lines listed = files(*read("cds.vrd").discs[0]);
    EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                            [](const std::string& line) {
                                return line.find("\\old.zip\\") != std::string::npos;
                            }),
              0);
    EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                            [](const std::string& line) {
                                return line.find("\\set.tar.gz\\") != std::string::npos;
                            }),
              2);

    for (const char* wrong : {"0", "abc", "12MB"}) {
        const test::CliRun refused =
            scan("tree", "other.vrd", std::string("--archives --archive-limit ") + wrong);
        EXPECT_EQ(refused.status, 1) << wrong;
        EXPECT_EQ(refused.err, std::string("vorlix-cli: --archive-limit takes a size in "
                                           "megabytes, 1 or more: ") +
                                   wrong + "\n");
        EXPECT_FALSE(std::filesystem::exists(folder.file("other.vrd")));
    }
}

// Without the option an archive's bytes play no part: a tree whose archives hold other bytes
// of the same sizes gives the very same catalogue.
TEST_F(ArchiveScanCommandTest, WithoutTheOptionTheCatalogueIsTheSameWhateverTheArchivesHold) {
    std::filesystem::copy(folder.file("tree"), folder.file("copy"),
                          std::filesystem::copy_options::recursive);
    for (const char* archive : {"Backup/old.zip", "Backup/set.tar.gz", "pack.7z", "locked.zip"}) {
        const std::string path = folder.file(std::string("copy/") + archive);
        test::writeFile(path, test::noiseBytes(std::filesystem::file_size(path), 9));
    }
    ASSERT_EQ(scan("tree", "plain.vrd", "--drive e:").status, 0);
    const test::CliRun copy = scan("copy", "copy.vrd", "--drive e:");
    ASSERT_EQ(copy.status, 0);
    EXPECT_EQ(copy.err, "");

    const std::string plain = test::readFile(folder.file("plain.vrd"));
    EXPECT_EQ(plain, test::readFile(folder.file("copy.vrd")));
    EXPECT_EQ(read("plain.vrd").discs[0]->files.size(), 5u);
    EXPECT_EQ(read("plain.vrd").discs[0]->outline(), "1 VirtCD\r\n\tBackup\r\n");

    // The option on gives another catalogue from the same tree.
    ASSERT_EQ(scan("tree", "listed.vrd", "--drive e: --archives").status, 0);
    EXPECT_NE(plain, test::readFile(folder.file("listed.vrd")));
}

TEST_F(ArchiveScanCommandTest, ACatalogueWithMembersIsReadBackAndWrittenAgainUnchanged) {
    ASSERT_EQ(scan("tree", "cds.vrd", "--archives").status, 0);
    const CQXCatalog cds = read("cds.vrd");
    ASSERT_EQ(cds.discs.size(), 1u);
    ASSERT_EQ(cds.discs[0]->files.size(), 12u);

    const test::CliRun converted =
        run("convert " + quoted("cds.vrd") + " " + quoted("again.vrd"), "secret");
    ASSERT_EQ(converted.status, 0) << converted.err;
    EXPECT_EQ(test::readFile(folder.file("again.vrd")), test::readFile(folder.file("cds.vrd")));
}

}  // namespace
}  // namespace vorlix
