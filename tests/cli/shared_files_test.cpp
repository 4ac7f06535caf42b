// Commands run side by side on the same files: each keeps the others' changes, and one that
// cannot get at a file in time says so and changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "accounts/text_digest.h"
#include "cli/cli_test_fixture.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_lock.h"

namespace vorlix {
namespace {

using test::readFile;
using test::writeFile;

const Windows1252 kCodePage;

class SharedFilesTest : public test::CliTest {
protected:
    // Runs each pair's two commands at the same time, one pair after the other, and gives the
    // exit status of every command.
    std::vector<std::string> runPairs(
        const std::vector<std::pair<std::string, std::string>>& pairs) {
        const std::string statuses = folder.file("statuses");
        std::string script = "export XDG_CONFIG_HOME='" + folder.file("config") +
                             "' XDG_DATA_HOME='" + folder.file("data") +
                             "' VORLIX_PASSWORD=secret\n";
        for (const auto& [first, second] : pairs) {
            for (const std::string& command : {first, second}) {
                script += "(" + std::string(VORLIX_CLI) + " " + command + " >/dev/null 2>>'" +
                          folder.file("errors") + "' </dev/null; echo $? >>'" + statuses + "') &\n";
            }
            script += "wait\n";
        }
        writeFile(folder.file("pairs.sh"), script);
        EXPECT_EQ(std::system(("sh '" + folder.file("pairs.sh") + "'").c_str()), 0);
        EXPECT_EQ(readFile(folder.file("errors")), "");
        std::vector<std::string> lines;
        std::istringstream in(readFile(statuses));
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    std::string programFile(const std::string& name) const {
        return folder.file("data") + "/vorlix/" + name;
    }
};

TEST_F(SharedFilesTest, AccountsAddedAtTheSameTimeAreAllKept) {
    constexpr int kPairs = 20;
    std::vector<std::pair<std::string, std::string>> pairs;
    std::set<std::string> expected;
    for (int i = 0; i < kPairs; ++i) {
        const std::string a = "a" + std::to_string(i);
        const std::string b = "b" + std::to_string(i);
        pairs.emplace_back("accounts add " + a, "accounts add " + b);
        expected.insert(textDigest(a, kCodePage));
        expected.insert(textDigest(b, kCodePage));
    }
    EXPECT_EQ(runPairs(pairs), std::vector<std::string>(2 * kPairs, "0"));

    const test::CliRun list = run("accounts list");
    ASSERT_EQ(list.status, 0) << list.err;
    std::set<std::string> kept;
    std::istringstream in(list.out);
    for (std::string name, password; in >> name >> password;) {
        kept.insert(name);
    }
    EXPECT_EQ(kept, expected);
}

TEST_F(SharedFilesTest, DiscsScannedIntoOneCatalogueAtTheSameTimeAreAllKept) {
    constexpr int kPairs = 10;
    ASSERT_EQ(run("accounts add anna", "secret").status, 0);
    std::filesystem::create_directories(folder.file("tree/Music"));
    writeFile(folder.file("tree/Music/song.mp3"), "la");
    const std::string scan = "scan " + quoted("tree") + " " + quoted("cds.vrd") + " --user anna";
    EXPECT_EQ(runPairs(std::vector(kPairs, std::pair{scan, scan})),
              std::vector<std::string>(2 * kPairs, "0"));

    const std::string bytes = readFile(folder.file("cds.vrd"));
    MemorySource source(bytes);
    CQXCatalog catalogue;
    readCatalogue(source, kCodePage, catalogue);
    std::set<std::string> numbers;
    for (const auto& disc : catalogue.discs) {
        numbers.emplace(disc->number());
    }
    EXPECT_EQ(catalogue.discs.size(), 2u * kPairs);
    EXPECT_EQ(numbers.size(), 2u * kPairs) << "every disc has a number of its own";
}

struct HeldFileCase {
    const char* name;
    std::string held;
    std::string command;
    std::string error;
};

// The test holds the file's lock for longer than a command waits (five seconds).
TEST_F(SharedFilesTest, ACommandGivesUpOnAFileLockedTooLongAndChangesNothing) {
    ASSERT_EQ(run("accounts add anna", "secret").status, 0);
    CQXCatalog empty;
    empty.addDefaultNamedObjects();
    writeFile(folder.file("in.vrd"), writeCatalogue(empty, kCodePage));
    writeFile(folder.file("cds.vrd"), "kept as it is");
    const std::string accounts = programFile("qxdata.inf");
    const std::string stillLocked =
        "another program is changing it (it stayed locked for 5 seconds)";
    const HeldFileCase cases[] = {
        {"catalogue", folder.file("cds.vrd"),
         "convert " + quoted("in.vrd") + " " + quoted("cds.vrd"),
         "vorlix-cli: " + folder.file("cds.vrd") + ": " + stillLocked + "\n"},
        {"lend", folder.file("cds.vrd"), "lend " + quoted("cds.vrd") + " 1 Peter --user anna",
         "vorlix-cli: " + folder.file("cds.vrd") + ": " + stillLocked + "\n"},
        {"accounts", accounts, "accounts add bob",
         "vorlix-cli: Could not change the accounts file \"" + accounts + "\": " + stillLocked +
             ". The file on disk was not changed.\n"},
    };
    for (const HeldFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = readFile(c.held);
        FileLock elsewhere;
        ASSERT_TRUE(elsewhere.acquire(c.held).ok());
        const test::CliRun result = run(c.command, "secret");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, c.error);
        EXPECT_EQ(readFile(c.held), before);
    }
}

}  // namespace
}  // namespace vorlix
