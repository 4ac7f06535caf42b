#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_test_fixture.h"
#include "platform/disc/crafted_images.h"

namespace vorlix {
namespace {

class CopyCommandTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        for (const char* name : {"iso/Docs", "other", "home"}) {
            std::filesystem::create_directories(folder.file(name));
        }
        test::writeFile(folder.file("iso/Docs/Hello.TXT"), "hello, disc\n");
        test::writeFile(folder.file("other/else.txt"), "else");
        test::isoImage(folder.file("iso"), folder.file("disc.iso"), "-J -V BACKUP");
        test::isoImage(folder.file("other"), folder.file("other.iso"), "-J -V OTHER");
        const test::CliRun scanned =
            run("scan " + quoted("disc.iso") + " " + quoted("cds.vrd") + " --drive e: --user anna",
                "secret");
        ASSERT_EQ(scanned.status, 0) << scanned.err;
    }

    test::CliRun copy(const std::string& arguments, const std::string& user = "anna") {
        return run("copy " + quoted("cds.vrd") + " " + arguments + " --user " + user, "secret");
    }
};

TEST_F(CopyCommandTest, CopiesAFileFromTheImageThatHoldsTheDisc) {
    const test::CliRun result =
        copy("1 'DOCS\\hello.txt' " + quoted("home") + " --from " + quoted("disc.iso"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "copied 12 bytes to " + folder.file("home/Hello.TXT") + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(test::readFile(folder.file("home/Hello.TXT")), "hello, disc\n");

    // A destination named without an extension takes the file's.
    ASSERT_EQ(copy("1 docs/hello.txt " + quoted("home/greeting") + " --from " + quoted("disc.iso"))
                  .status,
              0);
    EXPECT_EQ(test::readFile(folder.file("home/greeting.TXT")), "hello, disc\n");
}

TEST_F(CopyCommandTest, RefusesWhatItCannotCopyAndLeavesTheDestinationAlone) {
    test::writeFile(folder.file("home/Hello.TXT"), "mine");
    const std::string from = " --from " + quoted("disc.iso");
    const struct {
        std::string arguments;
        std::string user;
        std::string error;
    } cases[] = {
        {"9 docs\\hello.txt " + quoted("home/x.txt") + from, "anna",
         "no disc numbered 9 in " + folder.file("cds.vrd")},
        {"1 'docs\\nothing.txt' " + quoted("home/x.txt") + from, "anna",
         "disc 1 holds no file docs\\nothing.txt"},
        {"1 'docs\\hello.txt' " + quoted("home"), "anna",
         folder.file("home/Hello.TXT") + " exists already; give --force to replace it"},
        {"1 'docs\\hello.txt' " + quoted("home/x.txt") + " --from " + quoted("other.iso"), "anna",
         folder.file("other.iso") + " holds another disc than disc 1"},
        {"1 'docs\\hello.txt' " + quoted("home/x.txt"), "anna",
         "disc 1 is in none of the optical drives; give --from with the drive, image or folder "
         "that holds it"},
        {"1 'docs\\hello.txt' " + quoted("home/x.txt") + from, "bob",
         "Operation not allowed! Logged in as : bob"},
    };
    ASSERT_EQ(run("accounts add bob", "secret").status, 0);
    for (const auto& c : cases) {
        const test::CliRun result = copy(c.arguments, c.user);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, "vorlix-cli: " + c.error + "\n") << c.arguments;
    }
    EXPECT_EQ(test::readFile(folder.file("home/Hello.TXT")), "mine");
    EXPECT_FALSE(std::filesystem::exists(folder.file("home/x.txt")));

    const test::CliRun forced = copy("1 'docs\\hello.txt' " + quoted("home") + from + " --force");
    ASSERT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(test::readFile(folder.file("home/Hello.TXT")), "hello, disc\n");
}

}  // namespace
}  // namespace vorlix
