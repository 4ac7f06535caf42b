// What the tool does when a file it reads or replaces is not a plain file: a FIFO, a link, a
// settings file far too large.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "accounts/text_digest.h"
#include "cli/cli_test_fixture.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

const Windows1252 kCodePage;

// A FIFO without a writer blocks whoever opens it for reading; the tool must refuse it at
// once. Every run is bounded, so that a tool that blocks fails the test with status 124.
class SpecialFilesTest : public test::CliTest {
protected:
    void SetUp() override {
        launcher = "timeout 10 ";
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        fs::create_directories(folder.file("tree/Music"));
        writeFile(folder.file("tree/Music/song.mp3"), "la");
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        writeFile(folder.file("cds.vrd"), writeCatalogue(catalogue, kCodePage));
    }

    std::string programFile(const std::string& name) const {
        return folder.file("data") + "/vorlix/" + name;
    }
    std::string settingsFile() const { return folder.file("config") + "/vorlix/settings.reg"; }

    static void makeFifo(const std::string& path) {
        fs::remove(path);
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    }
};

struct SpecialFileCase {
    const char* name;
    std::string path;
    std::string command;
    std::string message;
};

TEST_F(SpecialFilesTest, AFifoInPlaceOfAnyFileTheToolReadsIsRefusedWithoutWaiting) {
    const std::string catalogue = folder.file("cds.vrd");
    const std::string accounts = programFile("qxdata.inf");
    const std::string keepList = programFile("ext.txt");
    const SpecialFileCase cases[] = {
        {"catalogue", catalogue, "dump " + quoted("cds.vrd"),
         catalogue + ": it is not a regular file"},
        {"settings", settingsFile(), "accounts list",
         "The settings file \"" + settingsFile() +
             "\" cannot be read (it is not a regular file); it is left as it is. Every setting "
             "reads as its default, and changed settings are not stored until the file is "
             "repaired or replaced."},
        {"accounts", accounts, "accounts list",
         "The accounts file \"" + accounts +
             "\" cannot be read (it is not a regular file); it is left as it is."},
        {"filter list", keepList,
         "scan " + quoted("tree") + " " + quoted("cds.vrd") + " --user anna",
         "Could not read the scan filter list \"" + keepList + "\": it is not a regular file."},
    };
    for (const SpecialFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string saved = readFile(c.path);
        makeFifo(c.path);
        const test::CliRun result = run(c.command, "secret");
        EXPECT_NE(result.status, 124) << "the tool waited on the FIFO";
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(fs::is_fifo(c.path));
        fs::remove(c.path);
        writeFile(c.path, saved);
    }
}

// A save goes through a link to the file it names, keeping that file's mode; what is not a
// regular file at the end of the path is left as it is.
TEST_F(SpecialFilesTest, ASaveFollowsLinksAndNeverReplacesWhatIsNotARegularFile) {
    fs::create_directory(folder.file("real"));
    writeFile(folder.file("real/kept.vrd"), "old");
    ASSERT_EQ(::chmod(folder.file("real/kept.vrd").c_str(), 0640), 0);
    fs::create_symlink("real/kept.vrd", folder.file("linked.vrd"));
    const test::CliRun linked = run("convert " + quoted("cds.vrd") + " " + quoted("linked.vrd"));
    ASSERT_EQ(linked.status, 0) << linked.err;
    EXPECT_TRUE(fs::is_symlink(folder.file("linked.vrd")));
    EXPECT_EQ(readFile(folder.file("real/kept.vrd")), readFile(folder.file("cds.vrd")));
    struct stat info {};
    ASSERT_EQ(::stat(folder.file("real/kept.vrd").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    makeFifo(folder.file("fifo"));
    fs::create_symlink("fifo", folder.file("to-fifo.vrd"));
    for (const char* target : {"fifo", "to-fifo.vrd"}) {
        const test::CliRun refused = run("convert " + quoted("cds.vrd") + " " + quoted(target));
        EXPECT_EQ(refused.status, 1) << target;
        EXPECT_EQ(refused.err,
                  "vorlix-cli: " + folder.file(target) + ": it is not a regular file\n");
    }
    EXPECT_TRUE(fs::is_fifo(folder.file("fifo")));
    EXPECT_TRUE(fs::is_symlink(folder.file("to-fifo.vrd")));

    // An accounts file linked to a file not yet made is made where the link points.
    const std::string accounts = programFile("qxdata.inf");
    fs::remove(accounts);
    fs::create_symlink(folder.file("real/qxdata.inf"), accounts);
    ASSERT_EQ(run("accounts add carl", "pw").status, 0);
    EXPECT_TRUE(fs::is_symlink(accounts));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.file("real/qxdata.inf"))));
    EXPECT_EQ(run("accounts list").out,
              textDigest("carl", kCodePage) + " " + textDigest("pw", kCodePage) + "\n");

    // An accounts file linked to something that is not a file is read as damaged and never
    // replaced.
    fs::remove(accounts);
    fs::create_symlink(folder.file("fifo"), accounts);
    const test::CliRun add = run("accounts add bob", "pw");
    EXPECT_EQ(add.status, 1);
    EXPECT_NE(add.err.find("cannot be read (it is not a regular file); it is left as it is."),
              std::string::npos)
        << add.err;
    EXPECT_TRUE(fs::is_symlink(accounts));
    EXPECT_TRUE(fs::is_fifo(folder.file("fifo")));
}

TEST_F(SpecialFilesTest, ASettingsFileOverSixteenMegabytesIsRefusedAndLeftAsItIs) {
    std::string settings = readFile(settingsFile());
    settings += ";" + std::string(16 * 1024 * 1024, 'x') + "\r\n";
    writeFile(settingsFile(), settings);

    const test::CliRun list = run("accounts list");
    EXPECT_NE(list.err.find("vorlix-cli: The settings file \"" + settingsFile() +
                            "\" is larger than 16 MB; it is left as it is."),
              std::string::npos)
        << list.err;
    EXPECT_TRUE(readFile(settingsFile()) == settings) << "the settings file was rewritten";
}

}  // namespace
}  // namespace vorlix
