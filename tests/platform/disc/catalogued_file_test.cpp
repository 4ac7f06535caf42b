#include "platform/disc/catalogued_file.h"

#include <gtest/gtest.h>

#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"

namespace vorlix {
namespace {

// Distinct bytes, so that a block read from the wrong place shows.
std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 2048) % 251);
    }
    return bytes;
}

std::string readAll(VolumeFile& file, std::size_t block) {
    std::string bytes;
    std::string buffer(block, '\0');
    for (;;) {
        const std::optional<std::size_t> got = file.read(buffer.data(), buffer.size());
        if (!got || *got == 0) {
            EXPECT_TRUE(got.has_value());
            return bytes;
        }
        bytes.append(buffer.data(), *got);
    }
}

class CataloguedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir.file("tree/Docs"));
        std::filesystem::create_directories(m_dir.file("tree/Music"));
        test::writeFile(m_dir.file("tree/Docs/Hello.TXT"), "hello, disc\n");
        test::writeFile(m_dir.file("tree/Music/Big Song.mp3"), m_big);
        test::writeFile(m_dir.file("tree/empty.dat"), "");
    }

    test::TempDir m_dir;
    test::DrivesWithoutHardware m_drives;
    const std::string m_big = pattern(3 * 8192 + 1000);
};

// The catalogue keeps folders lower-cased; the medium keeps its own case.
TEST_F(CataloguedFileTest, ReadsFilesOfAnImageAndOfAFolderWhateverTheirCase) {
    const std::string image = test::isoImage(m_dir.file("tree"), m_dir.file("disc.iso"), "-J -R");
    for (const DiscSource& source :
         {m_drives.drives().addImage(image), m_drives.drives().addFolder(m_dir.file("tree"))}) {
        const std::string letter = source.root.substr(0, 2);
        SCOPED_TRACE(source.location);
        const auto hello = openCataloguedFile(m_drives.drives(), letter + "\\docs\\hello.txt");
        ASSERT_NE(hello, nullptr);
        EXPECT_EQ(hello->size(), 12u);
        EXPECT_EQ(readAll(*hello, 5), "hello, disc\n");
        const auto big = openCataloguedFile(m_drives.drives(), letter + "\\music\\Big Song.mp3");
        ASSERT_NE(big, nullptr);
        EXPECT_EQ(big->size(), m_big.size());
        EXPECT_EQ(readAll(*big, 8192), m_big);
        const auto empty = openCataloguedFile(m_drives.drives(), letter + "\\EMPTY.DAT");
        ASSERT_NE(empty, nullptr);
        EXPECT_EQ(readAll(*empty, 8192), "");
    }
}

TEST_F(CataloguedFileTest, FindsNothingThatIsNotAFileOnTheDrive) {
    const DiscSource source = m_drives.drives().addImage(
        test::isoImage(m_dir.file("tree"), m_dir.file("disc.iso"), "-J -R"));
    const std::string letter = source.root.substr(0, 2);
    for (const std::string& path :
         {letter + "\\docs\\missing.txt", letter + "\\docs", letter + "\\", letter + "\\nowhere\\a",
          std::string("q:\\docs\\hello.txt"), std::string("no drive")}) {
        EXPECT_EQ(openCataloguedFile(m_drives.drives(), path), nullptr) << path;
    }
}

}  // namespace
}  // namespace vorlix
