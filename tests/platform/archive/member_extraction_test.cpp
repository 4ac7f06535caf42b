#include "platform/archive/member_extraction.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/disc/disc_test_support.h"
#include "platform/private_temporary_folder.h"
#include "support/archive_tree.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;

class MemberExtractionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_dir.file("run"));
        ASSERT_EQ(m_drives.drives().addFolder(m_tree.root()).root, "D:\\");
    }

    // The files in the private folder's places.
    std::vector<std::string> placedFiles() const {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir.file("run"))) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path().filename().string());
            }
        }
        return files;
    }

    test::TempDir m_dir;
    test::ArchiveTree m_tree{m_dir};
    test::DrivesWithoutHardware m_drives;
    PrivateTemporaryFolder m_folder{m_dir.file("run")};
    ArchiveMemberExtractor m_extractor{m_drives.drives(), m_folder};
    std::atomic<bool> m_stop = false;
};

TEST_F(MemberExtractionTest, WritesTheMemberUnderItsNameWithItsProgress) {
    std::vector<std::uint64_t> written;
    const Extraction done = m_extractor.extract("d:\\backup\\set.7z\\docs\\A.txt", m_stop,
                                                [&](std::uint64_t bytes, std::uint64_t total) {
                                                    EXPECT_EQ(total, m_tree.a.size());
                                                    written.push_back(bytes);
                                                });
    ASSERT_EQ(done.end, Extraction::End::Done) << done.message;
    EXPECT_EQ(fs::path(done.path).filename(), "A.txt");
    EXPECT_EQ(fs::path(done.path).parent_path().parent_path().parent_path(), m_dir.file("run"));
    EXPECT_TRUE(test::readFile(done.path) == m_tree.a);
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.back(), m_tree.a.size());
}

TEST_F(MemberExtractionTest, StoppedOrFailedExtractionsLeaveNoFile) {
    const Extraction stopped =
        m_extractor.extract("d:\\backup\\old.zip\\docs\\A.txt", m_stop,
                            [this](std::uint64_t, std::uint64_t) { m_stop = true; });
    EXPECT_EQ(stopped.end, Extraction::End::Stopped);
    EXPECT_TRUE(stopped.path.empty());

    m_stop = false;
    const std::string stored = m_tree.storedZip("Stored.zip");
    std::string bytes = test::readFile(stored);
    bytes[bytes.find(m_tree.a.substr(0, 100)) + 250000] ^= 0x01;
    test::writeFile(stored, bytes);
    const Extraction damaged = m_extractor.extract("d:\\backup\\stored.zip\\docs\\A.txt", m_stop,
                                                   [](std::uint64_t, std::uint64_t) {});
    EXPECT_EQ(damaged.end, Extraction::End::Failed);
    EXPECT_EQ(damaged.message.rfind("the archive D:\\backup\\stored.zip is damaged (", 0), 0u)
        << damaged.message;
    EXPECT_EQ(placedFiles(), std::vector<std::string>{});

    const Extraction missing = m_extractor.extract("d:\\backup\\old.zip\\docs\\none.txt", m_stop,
                                                   [](std::uint64_t, std::uint64_t) {});
    EXPECT_EQ(missing.end, Extraction::End::Failed);
    EXPECT_EQ(missing.message, "docs\\none.txt is not in the archive D:\\backup\\old.zip");
}

}  // namespace
}  // namespace vorlix
