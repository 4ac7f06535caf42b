#include "platform/disc/folder_volume.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/disc/deep_folders.h"
#include "platform/disc/disc_test_support.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;
using test::writeSized;

TEST(FolderVolume, ListsEntriesInFileSystemOrderWithFlagsAndSizes) {
    test::TempDir dir;
    writeSized(dir.file("b.txt"), 10);
    writeSized(dir.file("A.dat"), 0);
    writeSized(dir.file("Sub/inner.bin"), 1234);
    fs::create_directories(dir.file("Empty"));
    writeSized(dir.file("c"), 7);

    std::vector<DirectoryEntry> expected;
    for (const auto& item : fs::directory_iterator(dir.path())) {
        const bool folder = item.is_directory();
        expected.push_back(
            {item.path().filename().string(), folder, folder ? 0 : item.file_size()});
    }

    FolderVolume volume(dir.path());
    EXPECT_TRUE(volume.ready());
    EXPECT_FALSE(volume.identity());
    EXPECT_FALSE(volume.audioToc());
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(volume.list("", entries));
    EXPECT_EQ(entries, expected);
    ASSERT_TRUE(volume.list("Sub", entries));
    EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{"inner.bin", false, 1234}}));
    ASSERT_TRUE(volume.list("Empty", entries));
    EXPECT_TRUE(entries.empty());
}

TEST(FolderVolume, ReportsSizesBeyondFourGigabytes) {
    test::TempDir dir;
    const int fd = ::open(dir.file("huge.bin").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 3000000000), 0);
    ::close(fd);

    FolderVolume volume(dir.path());
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(volume.list("", entries));
    EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{"huge.bin", false, 3000000000u}}));
}

TEST(FolderVolume, FollowsLinksToFilesAndLeavesOutOthers) {
    test::TempDir dir;
    writeSized(dir.file("target.txt"), 42);
    fs::create_directories(dir.file("folder"));
    fs::create_symlink("target.txt", dir.file("to-file"));
    fs::create_symlink("folder", dir.file("to-folder"));
    fs::create_symlink(".", dir.file("loop"));
    fs::create_symlink("nowhere", dir.file("dangling"));

    FolderVolume volume(dir.path());
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(volume.list("", entries));
    EXPECT_EQ(test::sortedByName(entries),
              (std::vector<DirectoryEntry>{
                  {"folder", true, 0}, {"target.txt", false, 42}, {"to-file", false, 42}}));
}

TEST(FolderVolume, ListsFifosAndSocketsAsUnreadable) {
    test::TempDir dir;
    writeSized(dir.file("a.txt"), 3);
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    test::makeSocketFile(dir.file("sock"));
    fs::create_symlink("pipe", dir.file("to-pipe"));

    FolderVolume volume(dir.path());
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(volume.list("", entries));
    EXPECT_EQ(test::sortedByName(entries),
              (std::vector<DirectoryEntry>{{"a.txt", false, 3},
                                           {"pipe", false, 0, true},
                                           {"sock", false, 0, true},
                                           {"to-pipe", false, 0, true}}));
}

// Each folder is opened through its parent, so no path is ever as long as the tree is deep.
TEST(FolderVolume, ListsFoldersDeeperThanAPathMayBeLong) {
    test::TempDir dir;
    const test::DeepFolders deep(dir.path(), 300, "deep.txt", 4);
    ASSERT_GT(deep.path().size(), 4096u);

    FolderVolume volume(dir.path());
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(volume.list(deep.path(), entries));
    EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{"deep.txt", false, 4}}));
    // The folders the walk went through have places of their own, the same when asked again.
    const auto bottom = volume.place(deep.path());
    const auto top = volume.place(deep.names().front());
    ASSERT_TRUE(bottom && top);
    EXPECT_NE(*bottom, *top);
    EXPECT_EQ(volume.place(deep.path()), bottom);
    ASSERT_TRUE(volume.list("", entries));
    EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{deep.names().front(), true, 0}}));
}

TEST(FolderVolume, FailsOnWhatCannotBeEnumerated) {
    test::TempDir dir;
    writeSized(dir.file("file.txt"), 3);
    fs::create_directories(dir.file("locked/inside"));
    ::chmod(dir.file("locked").c_str(), 0);
    const bool lockable = ::access(dir.file("locked").c_str(), R_OK) != 0;

    FolderVolume volume(dir.path());
    std::vector<std::string> unreadable{"missing", "file.txt"};
    if (lockable) {
        unreadable.push_back("locked");
    }
    for (const std::string& path : unreadable) {
        std::vector<DirectoryEntry> entries{{"stale", false, 1}};
        EXPECT_FALSE(volume.list(path, entries)) << path;
        EXPECT_TRUE(entries.empty()) << path;
    }
    ::chmod(dir.file("locked").c_str(), 0755);

    FolderVolume gone(dir.file("missing"));
    EXPECT_FALSE(gone.ready());
}

}  // namespace
}  // namespace vorlix
