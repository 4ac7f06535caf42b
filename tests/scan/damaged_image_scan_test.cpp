#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "scan/scan_fixture.h"
#include "scan/scan_job.h"
#include "support/result_assertions.h"

namespace vorlix {
namespace {

using Lines = std::vector<std::string>;

// 2.5 GB: what a damaged image may say a directory takes, far beyond the image's end.
constexpr std::uint32_t kHugeSize = 2'684'354'560u;

// An image of a small tree whose listed tree (the primary one, or with joliet the Joliet one)
// is damaged by hand.
class DamagedIsoScanTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        test::writeSized(m_dir.file("s/A/f.txt"), 5);
        test::writeSized(m_dir.file("s/B/g.txt"), 7);
        test::writeSized(m_dir.file("s/r.txt"), 3);
        test::isoImage(m_dir.file("s"), image(), GetParam() ? "-J" : "");
        m_job.setDiscNumber("1");
    }

    std::string image() const { return m_dir.file("image.iso"); }

    std::unique_ptr<DiscVolume> open() {
        return m_drives.drives().open(m_drives.drives().addImage(image()).root);
    }

    test::TempDir m_dir;
    test::DrivesWithoutHardware m_drives;
    test::FilterListFiles m_files;
    test::FakeMediaTags m_tags;
    ScanJob m_job{m_files.lists, m_tags};
};

// The folder cannot be listed and is named as such; everything else is catalogued.
TEST_P(DamagedIsoScanTest, AFolderRecordedLargerThanTheImageIsReportedAndTheRestCatalogued) {
    const std::string bytes = test::readFile(image());
    std::uint32_t root = 0;
    const std::size_t record = test::isoFolderRecord(bytes, "A", GetParam(), root);
    ASSERT_NE(record, std::string::npos);
    test::setIsoFolderExtent(image(), "A", GetParam(), test::le32(bytes, record + 2), kHugeSize);

    const auto volume = open();
    ASSERT_TRUE(volume && volume->ready());
    m_job.setDrivePath("D:\\");
    m_job.readVolume(volume->identity());
    ASSERT_TRUE(test::succeeded(m_job.prepare()));
    ASSERT_TRUE(test::succeeded(m_job.walk(*volume)));
    EXPECT_EQ(test::describe(m_job.entries()), (Lines{"d:\\b\\|g.txt|7|d:", "d:\\|r.txt|3|d:"}));
    EXPECT_EQ(m_job.unreadableText(), "1 item could not be read and is not catalogued: d:\\a\\");
}

// With its root unreadable the image holds nothing to scan, and says so.
TEST_P(DamagedIsoScanTest, ARootRecordedLargerThanTheImageLeavesTheImageUnread) {
    std::string bytes = test::readFile(image());
    std::uint32_t root = 0;
    ASSERT_NE(test::isoFolderRecord(bytes, "A", GetParam(), root), std::string::npos);
    for (std::size_t at = 16 * test::kImageSector; bytes.substr(at + 1, 5) == "CD001";
         at += test::kImageSector) {
        if (test::le32(bytes, at + 156 + 2) == root) {
            test::putLe(bytes, at + 156 + 10, kHugeSize, 4);
            test::putBe32(bytes, at + 156 + 14, kHugeSize);
        }
    }
    test::writeFile(image(), bytes);

    const auto volume = open();
    ASSERT_TRUE(volume);
    EXPECT_FALSE(volume->ready());
    EXPECT_EQ(volume->problem(), image() + ": the disc image cannot be read");
}

INSTANTIATE_TEST_SUITE_P(Trees, DamagedIsoScanTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Joliet" : "Iso9660";
                         });

}  // namespace
}  // namespace vorlix
