#include "platform/disc/iso_volume.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "platform/disc/file_sector_source.h"

namespace vorlix {
namespace {

using test::sortedByName;
using test::writeSized;
using Entries = std::vector<DirectoryEntry>;

Entries listed(DiscVolume& volume, std::string_view path) {
    Entries entries;
    EXPECT_TRUE(volume.list(path, entries)) << path;
    return sortedByName(entries);
}

// The sectors of an image file, with a count of the requests that reach the file.
class CountedImage final : public SectorSource {
public:
    explicit CountedImage(const std::string& path, int& requests)
        : m_file(path), m_requests(&requests) {}

    bool read(std::uint32_t lba, Sector& sector) override {
        ++*m_requests;
        return m_file.read(lba, sector);
    }
    bool readRun(std::uint32_t lba, std::uint32_t count, std::uint8_t* bytes) override {
        ++*m_requests;
        return m_file.readRun(lba, count, bytes);
    }

private:
    FileSectorSource m_file;
    int* m_requests;
};

// An image that xorriso wrote two sessions into: the first holds one.txt and gone.txt, the
// second takes gone.txt away and adds two.txt. Like a program adding a session to any medium
// that can be overwritten, xorriso writes the last session's descriptors at the image's start.
class MultiSessionImageTest : public testing::Test {
protected:
    void SetUp() override {
        writeSized(m_dir.file("files/one.txt"), 1);
        writeSized(m_dir.file("files/gone.txt"), 2);
        writeSized(m_dir.file("files/two.txt"), 3);
        session("-volid FIRST -map '" + m_dir.file("files/one.txt") + "' /one.txt -map '" +
                m_dir.file("files/gone.txt") + "' /gone.txt");
        session("-volid SECOND -rm /gone.txt -- -map '" + m_dir.file("files/two.txt") +
                "' /two.txt");
    }

    void session(const std::string& changes) {
        test::runTool("xorriso -dev '" + image() + "' -joliet on " + changes + " -commit");
    }

    std::string image() const { return m_dir.file("sessions.iso"); }

    test::TempDir m_dir;
};

TEST_F(MultiSessionImageTest, TheImageListsItsLastSession) {
    test::DrivesWithoutHardware drives;
    const auto volume = drives.drives().open(drives.drives().addImage(image()).root);
    ASSERT_TRUE(volume && volume->ready());
    EXPECT_EQ(listed(*volume, ""), (Entries{{"one.txt", false, 1}, {"two.txt", false, 3}}));
    ASSERT_TRUE(volume->identity());
    EXPECT_EQ(volume->identity()->label, "SECOND");
}

// A disc written once keeps its first session's descriptors at its start, and each later
// session brings its own; the table of contents tells where the last one starts. Written the
// way such a disc is: the first session by genisoimage, the second by genisoimage told where
// the first lies and where the second goes (one.txt grows, two.txt is new), then put there.
TEST(IsoVolume, ADiscIsReadFromTheSessionItsTableOfContentsGives) {
    test::TempDir dir;
    writeSized(dir.file("first/one.txt"), 1);
    writeSized(dir.file("first/gone.txt"), 2);
    writeSized(dir.file("second/one.txt"), 4);
    writeSized(dir.file("second/two.txt"), 3);
    const std::string first = dir.file("first.iso");
    test::runTool("genisoimage -R -J -V FIRST -o '" + first + "' '" + dir.file("first") + "'");
    std::string disc = test::readFile(first);
    const auto second = static_cast<std::uint32_t>(disc.size() / test::kImageSector + 64);
    test::runTool("genisoimage -R -J -V SECOND -C 0," + std::to_string(second) + " -M '" + first +
                  "' -o '" + dir.file("second.iso") + "' '" + dir.file("second") + "'");
    disc.resize(second * test::kImageSector, '\0');
    disc += test::readFile(dir.file("second.iso"));
    test::writeFile(dir.file("disc.iso"), disc);
    const auto open = [&](std::uint32_t sessionStart) {
        return IsoVolume::open(std::make_unique<FileSectorSource>(dir.file("disc.iso")),
                               sessionStart, {});
    };

    const auto last = open(second);
    ASSERT_TRUE(last);
    EXPECT_EQ(listed(*last, ""),
              (Entries{{"gone.txt", false, 2}, {"one.txt", false, 4}, {"two.txt", false, 3}}));
    const Entries firstSession{{"gone.txt", false, 2}, {"one.txt", false, 1}};
    const auto start = open(0);
    ASSERT_TRUE(start);
    EXPECT_EQ(listed(*start, ""), firstSession);
    // A start without descriptors, such as that of a session of audio tracks, leaves the first.
    const auto fallback = open(second - 32);
    ASSERT_TRUE(fallback);
    EXPECT_EQ(listed(*fallback, ""), firstSession);
}

// The directories of an image lie together; a walk reads them in a few large requests rather
// than one or more per folder.
TEST(IsoVolume, AWalkReadsTheDirectoriesInAFewRequests) {
    test::TempDir dir;
    constexpr int kFolders = 60;
    for (int i = 0; i < kFolders; ++i) {
        for (int f = 0; f < 3; ++f) {
            writeSized(dir.file("tree/Folder " + std::to_string(i) + "/file " + std::to_string(f) +
                                ".txt"),
                       10);
        }
    }
    test::isoImage(dir.file("tree"), dir.file("image.iso"), "-J -R");
    int requests = 0;
    const auto volume =
        IsoVolume::open(std::make_unique<CountedImage>(dir.file("image.iso"), requests), 0, {});
    ASSERT_TRUE(volume);
    requests = 0;
    Entries root = listed(*volume, "");
    ASSERT_EQ(root.size(), static_cast<std::size_t>(kFolders));
    for (const DirectoryEntry& folder : root) {
        EXPECT_EQ(listed(*volume, folder.name).size(), 3u) << folder.name;
        EXPECT_TRUE(volume->place(folder.name)) << folder.name;
    }
    EXPECT_LE(requests, 3);
}

// A walk lists each folder right after its parent; a path asked for out of turn is found from
// the root all the same, and leads to the same place.
TEST(IsoVolume, FoldersAreFoundInAnyOrder) {
    test::TempDir dir;
    writeSized(dir.file("tree/A/B/C/deep.txt"), 4);
    writeSized(dir.file("tree/A/B2/other.txt"), 5);
    writeSized(dir.file("tree/A/B/C2/side.txt"), 6);
    test::isoImage(dir.file("tree"), dir.file("image.iso"), "-J -R");
    const auto volume =
        IsoVolume::open(std::make_unique<FileSectorSource>(dir.file("image.iso")), 0, {});
    ASSERT_TRUE(volume);

    EXPECT_EQ(listed(*volume, "A/B/C"), (Entries{{"deep.txt", false, 4}}));
    const auto deep = volume->place("A/B/C");
    EXPECT_EQ(listed(*volume, "A/B2"), (Entries{{"other.txt", false, 5}}));
    EXPECT_EQ(listed(*volume, "A/B/C2"), (Entries{{"side.txt", false, 6}}));
    EXPECT_EQ(volume->place("A/B/C"), deep);
    EXPECT_NE(volume->place("A/B/C2"), deep);
    EXPECT_EQ(listed(*volume, "A"), (Entries{{"B", true, 0}, {"B2", true, 0}}));
    Entries entries{{"stale", false, 1}};
    EXPECT_FALSE(volume->list("A/B/Missing", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(volume->list("A/B/C/deep.txt", entries));
    EXPECT_FALSE(volume->place("A/Missing"));
}

long peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A folder whose record says its records take 512 MiB, all of them on the image: reading it
// holds a few hundred kilobytes at a time, not the whole directory.
TEST(IsoVolume, ADirectoryTakesBoundedMemoryHoweverLargeItSaysItIs) {
    test::TempDir dir;
    writeSized(dir.file("tree/Big/inside.txt"), 5);
    writeSized(dir.file("tree/small.txt"), 6);
    const std::string image = test::isoImage(dir.file("tree"), dir.file("image.iso"), "-R");
    constexpr std::uint32_t kClaimed = 512u << 20;
    const auto start = static_cast<std::uint32_t>(std::filesystem::file_size(image) / 2048);
    test::setIsoFolderExtent(image, "BIG", false, start, kClaimed);
    std::string bytes = test::readFile(image);
    const std::uint32_t sectors = start + kClaimed / 2048;
    test::putLe(bytes, 16 * 2048 + 80, sectors, 4);
    test::putBe32(bytes, 16 * 2048 + 84, sectors);
    test::writeFile(image, bytes);
    // The added sectors are holes of the file: zeros that take no disk space.
    std::filesystem::resize_file(image, std::uintmax_t{sectors} * 2048);

    const long before = peakResidentKilobytes();
    test::DrivesWithoutHardware drives;
    const auto volume = drives.drives().open(drives.drives().addImage(image).root);
    ASSERT_TRUE(volume && volume->ready()) << volume->problem();
    EXPECT_EQ(listed(*volume, ""), (Entries{{"Big", true, 0}, {"small.txt", false, 6}}));
    EXPECT_EQ(listed(*volume, "Big"), Entries{});
    EXPECT_LT(peakResidentKilobytes() - before, 64 * 1024);
}

}  // namespace
}  // namespace vorlix
