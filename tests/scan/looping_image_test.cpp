#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// One image of each file system whose folder A is made to lead back to the root.
struct LoopCase {
    const char* name;
    std::function<std::string(const std::string& tree, const std::string& image)> build;
    std::function<void(const std::string& image)> loop;
};

class LoopingImageTest : public testing::TestWithParam<LoopCase> {
protected:
    void SetUp() override {
        test::writeSized(m_dir.file("s/A/f.txt"), 5);
        test::writeSized(m_dir.file("s/r.txt"), 3);
        m_job.setDiscNumber("1");
    }

    Result scan(const std::string& image) {
        test::DrivesWithoutHardware drives;
        const auto volume = drives.drives().open(drives.drives().addImage(image).root);
        EXPECT_TRUE(volume && volume->ready()) << image;
        if (!volume || !volume->ready()) {
            return Result::failure("not opened");
        }
        m_job.setDrivePath("D:\\");
        m_job.readVolume(volume->identity());
        EXPECT_TRUE(test::succeeded(m_job.prepare()));
        return m_job.walk(*volume);
    }

    test::TempDir m_dir;
    test::FilterListFiles m_files;
    test::FakeMediaTags m_tags;
    ScanJob m_job{m_files.lists, m_tags};
};

TEST_P(LoopingImageTest, TheScanEndsNamingTheFolderAndKeepsNothing) {
    const std::string good = GetParam().build(m_dir.file("s"), m_dir.file("good.iso"));
    ASSERT_TRUE(test::succeeded(scan(good)));
    EXPECT_EQ(test::describe(m_job.entries()), (Lines{"d:\\a\\|f.txt|5|d:", "d:\\|r.txt|3|d:"}));

    const std::string looping = m_dir.file("looping.iso");
    std::filesystem::copy_file(good, looping);
    GetParam().loop(looping);
    EXPECT_TRUE(test::failedWith(scan(looping),
                                 "The disc cannot be scanned: its folder tree loops at d:\\a\\, "
                                 "which leads back to a folder already read."));
    EXPECT_EQ(m_job.state(), ScanState::Idle);
    EXPECT_FALSE(m_job.walking());
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_EQ(m_job.folderOutline(), "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileSystem, LoopingImageTest,
    testing::Values(
        LoopCase{"Iso9660",
                 [](const std::string& tree, const std::string& image) {
                     return test::isoImage(tree, image);
                 },
                 [](const std::string& image) { test::loopIsoFolder(image, "A", false); }},
        LoopCase{"Joliet",
                 [](const std::string& tree, const std::string& image) {
                     return test::isoImage(tree, image, "-J");
                 },
                 [](const std::string& image) { test::loopIsoFolder(image, "A", true); }},
        LoopCase{"Udf",
                 [](const std::string& tree, const std::string& image) {
                     return test::udfImage(tree, image);
                 },
                 [](const std::string& image) { test::loopUdfFolder(image, "A"); }}),
    [](const testing::TestParamInfo<LoopCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vorlix
