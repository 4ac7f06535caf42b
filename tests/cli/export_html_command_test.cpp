#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cli_test_fixture.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

class ExportHtmlCommandTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        const std::string path = folder.file("tree/Tom & Jerry.avi");
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << std::string(1048576, 'x');
        ASSERT_EQ(
            run("scan " + quoted("tree") + " " + quoted("cds.vrd") + " --no-filter --user anna",
                "secret")
                .status,
            0);
    }
};

TEST_F(ExportHtmlCommandTest, WritesTheDatabasePageOfEveryDisc) {
    const test::CliRun done = run(
        "export-html " + quoted("cds.vrd") + " " + quoted("out.html") + " --user anna", "secret");
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out, "");
    const std::string page = test::readFile(folder.file("out.html"));
    EXPECT_EQ(page.rfind("<html>\n<head>\n<title>Database Export: cds.vrd</title>\n", 0), 0u)
        << page.substr(0, 200);
    EXPECT_NE(page.find(">CD # 1</td>"), std::string::npos);
    EXPECT_NE(page.find("Size: 1.0 MB</td>"), std::string::npos);
    EXPECT_NE(page.find("Files: 1<br>"), std::string::npos);
    EXPECT_NE(page.find("&nbsp;1 CDs </span></p>\n</body>\n</html>"), std::string::npos);
}

TEST_F(ExportHtmlCommandTest, AFileThatCannotBeWrittenFailsInOneLine) {
    const test::CliRun failed =
        run("export-html " + quoted("cds.vrd") + " " + quoted("no/out.html") + " --user anna",
            "secret");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err.rfind("vorlix-cli: ", 0), 0u) << failed.err;
    EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("no")));
}

TEST_F(ExportHtmlCommandTest, TakesExactlyACatalogueAndAnOutputFile) {
    EXPECT_EQ(run("export-html " + quoted("cds.vrd") + " --user anna", "secret").status, 2);
}

}  // namespace
}  // namespace vorlix
