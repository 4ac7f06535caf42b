#include "platform/safe_file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vorlix {
namespace {

TEST(SafeFileWriteTest, ReplacesTheFileKeepingItsPermissionsAndLeavesNoTemporary) {
    test::TempDir folder;
    const std::string path = folder.file("a.vrd");
    test::writeFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(safeWriteFile(path, std::string("new\0bytes", 9)), "");
    EXPECT_EQ(test::readFile(path), std::string("new\0bytes", 9));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SafeFileWriteTest, ReportsAFolderThatDoesNotExist) {
    test::TempDir folder;
    EXPECT_NE(safeWriteFile(folder.file("missing/a.vrd"), "x"), "");
}

TEST(SafeFileWriteTest, ReportsATargetThatIsAFolderAndLeavesItAlone) {
    test::TempDir folder;
    std::filesystem::create_directory(folder.file("taken"));
    EXPECT_NE(safeWriteFile(folder.file("taken"), "x"), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace vorlix
