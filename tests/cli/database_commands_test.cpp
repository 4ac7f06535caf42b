#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli_test_fixture.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

// A catalogue of one folder disc owned by anna, holding Song.MP3, notes.xyz, README and
// clip.AVI, recorded without the scan filter.
class DatabaseCommandsTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        for (const char* name : {"Music/Song.MP3", "Music/notes.xyz", "README", "clip.AVI"}) {
            const std::string path = folder.file(std::string("tree/") + name);
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            std::ofstream(path) << "bytes";
        }
        ASSERT_EQ(
            run("scan " + quoted("tree") + " " + quoted("cds.vrd") + " --no-filter --user anna",
                "secret")
                .status,
            0);
        test::writeFile(folder.file("data/vorlix/ext.txt"), "mp3\r\n");
        test::writeFile(folder.file("data/vorlix/noscan.txt"), "avi\r\n");
    }

    test::CliRun as(const std::string& user, const std::string& arguments) {
        return run(arguments + " --user " + user, "secret");
    }
};

TEST_F(DatabaseCommandsTest, InfoShowsTheFiguresAsTextAndJson) {
    const test::CliRun text = as("anna", "info " + quoted("cds.vrd"));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out,
              "Database Owner: anna\nNumber of Files: 4\nNumber of Discs: 1\nShared Discs: 0\n"
              "Available Discs: 0\nNon-Available Discs: 1\nNumber of Categories: 0\n"
              "Overall Database Size: 0 MB\n");
    const test::CliRun json = as("anna", "info " + quoted("cds.vrd") + " --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out,
              "{\"owner\":\"anna\",\"files\":4,\"discs\":1,\"shared\":0,\"available\":0,"
              "\"nonAvailable\":1,\"categories\":0,\"size\":\"0 MB\"}\n");
}

TEST_F(DatabaseCommandsTest, OptimizeCountsFirstRemovesWithYesAndThenFindsNothing) {
    const std::string before = test::readFile(folder.file("cds.vrd"));
    const test::CliRun dry = as("anna", "optimize " + quoted("cds.vrd"));
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find("All Files:                 4\nTo be Removed:   2\n"), std::string::npos)
        << dry.out;
    EXPECT_NE(dry.out.find("give --yes"), std::string::npos);
    EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before);

    const test::CliRun done = as("anna", "optimize " + quoted("cds.vrd") + " --yes");
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_NE(done.err.find("on neither filter list: xyz"), std::string::npos) << done.err;
    EXPECT_NE(done.err.find("Files Removed:     2\n"), std::string::npos) << done.err;
    const test::CliRun info = as("anna", "info " + quoted("cds.vrd") + " --json");
    EXPECT_NE(info.out.find("\"files\":2,"), std::string::npos) << info.out;

    const test::CliRun again = as("anna", "optimize " + quoted("cds.vrd") + " --yes");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.err.find("Files Removed:     0\n"), std::string::npos) << again.err;
}

TEST_F(DatabaseCommandsTest, OnlyTheOwnerOptimizes) {
    ASSERT_EQ(run("accounts add bob", "secret").status, 0);
    const std::string before = test::readFile(folder.file("cds.vrd"));
    const test::CliRun refused = as("bob", "optimize " + quoted("cds.vrd") + " --yes");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "vorlix-cli: Operation not allowed! Logged in as : bob\n");
    EXPECT_EQ(test::readFile(folder.file("cds.vrd")), before);
}

}  // namespace
}  // namespace vorlix
