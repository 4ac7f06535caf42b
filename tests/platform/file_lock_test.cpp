#include "platform/file_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr milliseconds kShortWait{100};
constexpr std::string_view kStillLocked =
    "another program is changing it (it stayed locked for 100 milliseconds)";

// flock() locks of two descriptors conflict even within one process, so a second FileLock
// here stands for another program.
TEST(FileLockTest, ASecondHolderWaitsThenFailsAndGetsTheLockOnceItIsReleased) {
    test::TempDir folder;
    const std::string path = folder.file("a.vrd");
    FileLock first;
    ASSERT_TRUE(test::succeeded(first.acquire(path)));
    EXPECT_TRUE(fs::exists(folder.file(".a.vrd.lock")));

    FileLock second;
    EXPECT_TRUE(test::failedWith(second.acquire(path, kShortWait), kStillLocked));
    EXPECT_FALSE(second.held());

    first.release();
    EXPECT_FALSE(fs::exists(folder.file(".a.vrd.lock"))) << "the holder removes its lock file";
    ASSERT_TRUE(test::succeeded(second.acquire(path, kShortWait)));
    FileLock moved = std::move(second);
    EXPECT_TRUE(moved.held());
    EXPECT_TRUE(test::failedWith(first.acquire(path, kShortWait), kStillLocked));
    moved = FileLock();
    EXPECT_TRUE(test::succeeded(first.acquire(path, kShortWait)));
}

// Whatever path a program takes to the file, it meets the same lock, beside the file itself.
TEST(FileLockTest, EveryPathToOneFileSharesItsLock) {
    test::TempDir folder;
    fs::create_directory(folder.file("real"));
    test::writeFile(folder.file("real/a.vrd"), "x");
    fs::create_symlink("real/a.vrd", folder.file("relative.vrd"));
    fs::create_symlink(folder.file("relative.vrd"), folder.file("chained.vrd"));

    FileLock held;
    ASSERT_TRUE(test::succeeded(held.acquire(folder.file("chained.vrd"))));
    EXPECT_EQ(FileLock::lockPathFor(folder.file("chained.vrd")), folder.file("real/.a.vrd.lock"));
    for (const char* path : {"real/a.vrd", "relative.vrd", "real/../real/a.vrd"}) {
        FileLock other;
        EXPECT_TRUE(test::failedWith(other.acquire(folder.file(path), kShortWait), kStillLocked))
            << path;
    }
}

TEST(FileLockTest, OnlyARegularFileOrNoFileIsLocked) {
    test::TempDir folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", folder.file("link"));
    fs::create_directory(folder.file("folder"));

    FileLock lock;
    EXPECT_TRUE(test::failedWith(lock.acquire(folder.file("fifo")), "it is not a regular file"));
    EXPECT_TRUE(test::failedWith(lock.acquire(folder.file("link")), "it is not a regular file"));
    EXPECT_TRUE(test::failedWith(lock.acquire(folder.file("folder")), "Is a directory"));
    EXPECT_TRUE(
        test::failedWith(lock.acquire(folder.file("gone/a.vrd")), "No such file or directory"));
    EXPECT_FALSE(lock.held());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);

    EXPECT_TRUE(test::succeeded(lock.acquire(folder.file("new.vrd"))));
}

}  // namespace
}  // namespace vorlix
