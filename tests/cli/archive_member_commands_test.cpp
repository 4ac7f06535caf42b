#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/catalogue_file.h"
#include "cli/cli_test_fixture.h"
#include "core/code_page.h"
#include "support/archive_tree.h"

namespace vorlix {
namespace {

// A disc of archives whose members the catalogue lists as files of their own: searched,
// exported, put in playlists and copied back like any file.
class ArchiveMemberCommandsTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        std::filesystem::create_directories(folder.file("home"));
        const test::CliRun scanned =
            run("scan '" + m_tree.root() + "' " + quoted("cds.vrd") + " --drive e: --user anna",
                "secret");
        ASSERT_EQ(scanned.status, 0) << scanned.err;
        CQXCatalog catalogue = readCatalogueFile(folder.file("cds.vrd"), m_codePage);
        CQXDisc* disc = catalogue.findDisc("1");
        ASSERT_NE(disc, nullptr);
        disc->files.push_back(CQXFileData("A.txt", "e:\\backup\\old.zip\\docs\\", "300000", "e:"));
        disc->files.push_back(
            CQXFileData("x.txt", "e:\\backup\\old.zip\\inner.tar\\", "4000", "e:"));
        disc->files.push_back(
            CQXFileData("A.txt", "e:\\backup\\stored.zip\\docs\\", "300000", "e:"));
        writeCatalogueFile(catalogue, folder.file("cds.vrd"), m_codePage);
    }

    test::CliRun copyMember(const std::string& path, const std::string& destination) {
        return run("copy " + quoted("cds.vrd") + " 1 '" + path + "' " + quoted(destination) +
                       " --from '" + m_tree.root() + "' --user anna",
                   "secret");
    }

    test::ArchiveTree m_tree{folder};
    Windows1252 m_codePage;
};

TEST_F(ArchiveMemberCommandsTest, CopiesAMemberAndANestedMemberByteIdentical) {
    const test::CliRun result = copyMember("backup\\old.zip\\docs\\a.txt", "home");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "copied 300000 bytes to " + folder.file("home/A.txt") + "\n");
    EXPECT_TRUE(test::readFile(folder.file("home/A.txt")) == m_tree.a);

    const test::CliRun nested = copyMember("backup/old.zip/inner.tar/x.txt", "home/inner");
    ASSERT_EQ(nested.status, 0) << nested.err;
    EXPECT_EQ(test::readFile(folder.file("home/inner.txt")), m_tree.x);
}

TEST_F(ArchiveMemberCommandsTest, ADamagedMemberFailsWithTheReasonAndLeavesNoFile) {
    const std::string stored = m_tree.storedZip("Stored.zip");
    std::string bytes = test::readFile(stored);
    bytes[bytes.find(m_tree.a.substr(0, 100)) + 250000] ^= 0x01;
    test::writeFile(stored, bytes);
    const test::CliRun result = copyMember("backup\\stored.zip\\docs\\A.txt", "home");
    EXPECT_EQ(result.status, 1);
    const std::string expected = "vorlix-cli: Copying D:\\backup\\stored.zip\\docs\\A.txt to " +
                                 folder.file("home/A.txt") +
                                 " failed: the archive D:\\backup\\stored.zip is damaged (";
    EXPECT_EQ(result.err.substr(0, expected.size()), expected) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("home/A.txt")));
}

TEST_F(ArchiveMemberCommandsTest, SearchFindsMembersByNameAndByTheArchivesFolder) {
    const test::CliRun byName = run("search " + quoted("cds.vrd") + " a.txt --user anna", "secret");
    ASSERT_EQ(byName.status, 0) << byName.err;
    EXPECT_EQ(byName.out,
              "1\tVirtCD\te:\\backup\\stored.zip\\docs\\A.txt\t0.286 MB\n"
              "1\tVirtCD\te:\\backup\\old.zip\\docs\\A.txt\t0.286 MB\n");

    const test::CliRun inArchive =
        run("search " + quoted("cds.vrd") + " '**' --folder OLD.ZIP --user anna", "secret");
    ASSERT_EQ(inArchive.status, 0) << inArchive.err;
    EXPECT_EQ(inArchive.out,
              "1\tVirtCD\te:\\backup\\old.zip\\inner.tar\\x.txt\t0.004 MB\n"
              "1\tVirtCD\te:\\backup\\old.zip\\docs\\A.txt\t0.286 MB\n");

    // The archive itself is found by its name, as a file of its folder.
    const test::CliRun archive =
        run("search " + quoted("cds.vrd") + " old.zip --user anna", "secret");
    EXPECT_EQ(archive.out, "1\tVirtCD\te:\\backup\\Old.zip\t0.002 MB\n");
}

TEST_F(ArchiveMemberCommandsTest, ExportAndPlaylistsListMembersAsFiles) {
    const test::CliRun exported = run(
        "export-html " + quoted("cds.vrd") + " " + quoted("cds.html") + " --user anna", "secret");
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(test::readFile(folder.file("cds.html")).find(">Files: 7<br>"), std::string::npos);

    const test::CliRun playlist =
        run("playlist " + quoted("cds.vrd") + " a.txt " + quoted("list.m3u") + " --from '" +
                m_tree.root() + "' --user anna",
            "secret");
    ASSERT_EQ(playlist.status, 0) << playlist.err;
    // The disc's own spelling as far as the disc holds the path, the archive included.
    EXPECT_EQ(test::readFile(folder.file("list.m3u")),
              m_tree.root() + "/Backup/stored.zip/docs/A.txt\r\n" + m_tree.root() +
                  "/Backup/Old.zip/docs/A.txt\r\n");
}

}  // namespace
}  // namespace vorlix
