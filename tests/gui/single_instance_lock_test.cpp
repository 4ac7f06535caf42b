#include "platform/single_instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

extern char** environ;

namespace vorlix {
namespace {

using State = SingleInstanceLock::State;

// Runs `body` in a child process and gives back its exit status.
template <typename Body>
int inChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int stateInChild(const std::string& path) {
    return inChild([&path] { return static_cast<int>(SingleInstanceLock(path).state()); });
}

TEST(SingleInstanceLockPath, LivesInTheRuntimeFolderElseInTheFallback) {
    struct Row {
        const char* runtime;
        const char* expected;
    };
    for (const Row& row : {Row{"/run/user/1000", "/run/user/1000/vorlix.lock"},
                           Row{"/run/user/1000/", "/run/user/1000/vorlix.lock"},
                           Row{"", "/home/u/.config/vorlix/vorlix.lock"},
                           Row{"relative/run", "/home/u/.config/vorlix/vorlix.lock"}}) {
        EXPECT_EQ(singleInstanceLockPathFor(row.runtime, "/home/u/.config/vorlix"), row.expected)
            << row.runtime;
    }
}

TEST(SingleInstanceLockPath, TheSocketLiesBesideTheLockNamedAfterTheUser) {
    EXPECT_EQ(singleInstanceSocketPathFor("/run/user/1000/", "/home/u/.config/vorlix", 1000),
              "/run/user/1000/vorlix-1000.socket");
    EXPECT_EQ(singleInstanceSocketPathFor("", "/home/u/.config/vorlix", 0),
              "/home/u/.config/vorlix/vorlix-0.socket");
}

TEST(SingleInstanceLock, OneProcessHoldsItAndTheOthersAreRefused) {
    test::TempDir folder;
    const std::string path = folder.file("vorlix.lock");
    {
        SingleInstanceLock first(path);
        ASSERT_EQ(first.state(), State::Acquired);
        EXPECT_EQ(test::readFile(path), std::to_string(getpid()) + "\n");
        EXPECT_EQ(stateInChild(path), static_cast<int>(State::HeldElsewhere));
        EXPECT_EQ(test::readFile(path), std::to_string(getpid()) + "\n")
            << "a refused start leaves the holder's file alone";
    }
    EXPECT_EQ(stateInChild(path), static_cast<int>(State::Acquired));
}

TEST(SingleInstanceLock, ACrashedHolderLeavesItFree) {
    test::TempDir folder;
    const std::string path = folder.file("vorlix.lock");
    const int crashed = inChild([&path] {
        SingleInstanceLock lock(path);
        if (lock.state() == State::Acquired) {
            std::abort();
        }
        return 0;
    });
    EXPECT_EQ(crashed, 128 + SIGABRT);
    EXPECT_EQ(SingleInstanceLock(path).state(), State::Acquired);
}

TEST(SingleInstanceLock, ProgramsTheHolderStartsDoNotKeepIt) {
    test::TempDir folder;
    const std::string path = folder.file("vorlix.lock");
    pid_t sleeper = 0;
    {
        SingleInstanceLock lock(path);
        ASSERT_EQ(lock.state(), State::Acquired);
        char program[] = "/bin/sleep";
        char seconds[] = "5";
        char* arguments[] = {program, seconds, nullptr};
        ASSERT_EQ(posix_spawn(&sleeper, program, nullptr, nullptr, arguments, environ), 0);
    }
    EXPECT_EQ(stateInChild(path), static_cast<int>(State::Acquired));
    kill(sleeper, SIGKILL);
    waitpid(sleeper, nullptr, 0);
}

TEST(SingleInstanceLock, AFileThatCannotBeMadeIsAFailureWithItsReason) {
    test::TempDir folder;
    SingleInstanceLock lock(folder.file("no/such/folder/vorlix.lock"));
    EXPECT_EQ(lock.state(), State::Failed);
    EXPECT_NE(lock.failure().find("No such file or directory"), std::string::npos)
        << lock.failure();
}

}  // namespace
}  // namespace vorlix
