#include "platform/safe_file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

TEST(SafeFileWriteTest, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporary) {
    test::TempDir folder;
    const std::string path = folder.file("a.vrd");
    test::writeFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(test::succeeded(safeWriteFile(path, std::string("new\0bytes", 9))));
    EXPECT_EQ(test::readFile(path), std::string("new\0bytes", 9));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// Files are written from several threads, so the process's umask is never changed, not even
// for a moment to read it: a new file takes the mask the process started with.
TEST(SafeFileWriteTest, ANewFileTakesTheUmaskOfTheStartWhateverItIsLater) {
    test::TempDir folder;
    const mode_t atStart = ::umask(0);
    ::umask(atStart);
    const mode_t later = atStart == 0 ? 022 : 0;
    for (const mode_t mask : {atStart, later}) {
        ::umask(mask);
        const std::string path = folder.file("new-" + std::to_string(mask) + ".vrd");
        const Result written = safeWriteFile(path, "bytes");
        ::umask(atStart);
        ASSERT_TRUE(test::succeeded(written));
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0666u & ~atStart) << "umask " << mask;
    }
}

TEST(SafeFileWriteTest, ReportsAFolderThatDoesNotExist) {
    test::TempDir folder;
    EXPECT_TRUE(test::failedWith(safeWriteFile(folder.file("missing/a.vrd"), "x"),
                                 "No such file or directory"));
}

TEST(SafeFileWriteTest, ReportsATargetThatIsAFolderAndLeavesItAlone) {
    test::TempDir folder;
    std::filesystem::create_directory(folder.file("taken"));
    const Result written = safeWriteFile(folder.file("taken"), "x");
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(written.message(), "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace vorlix
