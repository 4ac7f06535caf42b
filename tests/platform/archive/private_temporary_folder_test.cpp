#include "platform/private_temporary_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

// A process id that no process has any more.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(PrivateTemporaryFolderTest, GivesNewPlacesOnlyItsUserEntersAndRemovesThemWhenItGoes) {
    test::TempDir parent;
    std::string folder;
    {
        PrivateTemporaryFolder temporary(parent.path());
        EXPECT_TRUE(fs::is_empty(parent.path()));
        const std::optional<std::string> first = temporary.newPlace();
        const std::optional<std::string> second = temporary.newPlace();
        ASSERT_TRUE(first && second);
        EXPECT_NE(*first, *second);
        folder = fs::path(*first).parent_path().string();
        EXPECT_EQ(fs::path(*second).parent_path().string(), folder);
        EXPECT_EQ(fs::path(folder).parent_path().string(), parent.path());
        EXPECT_EQ(fs::path(folder).filename().string().rfind(
                      "vorlix-open-" + std::to_string(::getpid()) + "-", 0),
                  0u);
        for (const std::string& path : {folder, *first, *second}) {
            EXPECT_EQ(modeOf(path), 0700u) << path;
        }
        test::writeFile(*first + "/a.txt", "a");
    }
    EXPECT_FALSE(fs::exists(folder));
}

TEST(PrivateTemporaryFolderTest, RemovesOnlyTheFoldersOfEndedProcesses) {
    test::TempDir parent;
    const std::string stale = parent.file("vorlix-open-" + std::to_string(endedProcess()) + "-abc");
    const std::string living = parent.file("vorlix-open-" + std::to_string(::getppid()) + "-abc");
    const std::string other = parent.file("vorlix-open-x-abc");
    for (const std::string& path : {stale, living, other}) {
        fs::create_directories(path);
        test::writeFile(path + "/a.txt", "a");
    }
    PrivateTemporaryFolder temporary(parent.path());
    ASSERT_TRUE(temporary.newPlace());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(living + "/a.txt"));
    EXPECT_TRUE(fs::exists(other + "/a.txt"));
}

}  // namespace
}  // namespace vorlix
