// What the tool does when it is used carelessly or meets hostile texts: files it would
// replace, files of no bytes, stored control characters and a prompt cut short by a signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "cli/cli_test_fixture.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/file_data.h"

namespace vorlix {
namespace {

using test::readFile;
using test::writeFile;
using CliTest = test::CliTest;

const Windows1252 kCodePage;

TEST_F(CliTest, NewAndMakeDemoKeepAnExistingFileUnlessForced) {
    for (const std::string command : {"new", "make-demo"}) {
        const std::string path = folder.file(command + ".vrd");
        writeFile(path, "precious");

        const test::CliRun refused = run(command + " '" + path + "'");
        EXPECT_EQ(refused.status, 1) << command;
        EXPECT_EQ(refused.err, "vorlix-cli: " + path +
                                   ": the file already exists; give --force to replace it\n");
        EXPECT_EQ(readFile(path), "precious") << command;

        const test::CliRun forced = run(command + " --force '" + path + "'");
        EXPECT_EQ(forced.status, 0) << forced.err;
        EXPECT_NE(readFile(path), "precious") << command;
    }
}

TEST_F(CliTest, AFileOfNoBytesIsAnEmptyCatalogue) {
    writeFile(folder.file("empty.vrd"), "");

    const test::CliRun dump = run("dump --json " + quoted("empty.vrd"));
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out, "{\"discs\":[],\"categories\":[],\"named\":{}}\n");

    const test::CliRun convert = run("convert " + quoted("empty.vrd") + " " + quoted("out.vrd"));
    EXPECT_EQ(convert.status, 0) << convert.err;
    CQXCatalog empty;
    EXPECT_EQ(readFile(folder.file("out.vrd")), writeCatalogue(empty, kCodePage));
}

TEST_F(CliTest, TheTextDumpShowsStoredControlCharactersEscaped) {
    CQXCatalog catalogue;
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber("1");
    disc->setName("evil\x1b]0;pwned\x07");
    disc->setArtist("two\r\nDisc 2: fake");
    disc->files.emplace_back("a\tb\u0085.mp3", "d:\\", "1", "d:");
    catalogue.appendDisc(std::move(disc));
    writeFile(folder.file("evil.vrd"), writeCatalogue(catalogue, kCodePage));

    const test::CliRun dump = run("dump " + quoted("evil.vrd"));
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_NE(dump.out.find("Disc 1: evil\\x1b]0;pwned\\x07\n"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("  artist: two\\x0d\\x0aDisc 2: fake\n"), std::string::npos);
    EXPECT_NE(dump.out.find("    d:\\a\\x09b\\x85.mp3  (1 bytes)\n"), std::string::npos);
    for (const char control : {'\x1b', '\x07', '\r', '\t'}) {
        EXPECT_EQ(dump.out.find(control), std::string::npos) << int(control);
    }
}

// Reads from the terminal's controlling side until text shows or the child is gone.
bool waitForText(int master, const std::string& text) {
    std::string seen;
    while (seen.find(text) == std::string::npos) {
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 10000) <= 0) {
            return false;
        }
        char buffer[256];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) {
            return false;
        }
        seen.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

TEST_F(CliTest, EchoComesBackWhenThePasswordPromptIsEndedBySignal) {
    for (const int signal : {SIGINT, SIGTERM}) {
        int master = -1;
        const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
            ::setenv("XDG_DATA_HOME", folder.file("data").c_str(), 1);
            ::unsetenv("VORLIX_PASSWORD");
            ::execl(VORLIX_CLI, VORLIX_CLI, "accounts", "add", "bob", nullptr);
            ::_exit(127);
        }
        ASSERT_TRUE(waitForText(master, "Password for bob: "));
        termios during{};
        ASSERT_EQ(::tcgetattr(master, &during), 0);
        EXPECT_EQ(during.c_lflag & ECHO, 0u) << "the prompt shows what is typed";

        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        termios after{};
        ASSERT_EQ(::tcgetattr(master, &after), 0);
        EXPECT_NE(after.c_lflag & ECHO, 0u) << "echo stays off after signal " << signal;
        ::close(master);
    }
}

}  // namespace
}  // namespace vorlix
