#include "platform/disc/linux_disc_drives.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/disc/disc_test_support.h"

namespace vorlix {
namespace {

namespace fs = std::filesystem;
using test::writeSized;

// A system of the test's own making: /proc, /sys and /dev trees with three optical drives
// (the CD-ROM information names two of them, /sys/block all three) and a link /dev/cdrom.
class LinuxDiscDrivesTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_system.file("proc/sys/dev/cdrom"));
        test::writeFile(m_system.file("proc/sys/dev/cdrom/info"),
                        "CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\n"
                        "drive name:\t\tsr1\tsr0\n"
                        "drive speed:\t\t24\t24\n");
        for (const char* name : {"sr0", "sr1", "sr10", "sr2", "vda", "loop0"}) {
            fs::create_directories(m_system.file("sys/block/") + name);
        }
        for (const char* name : {"sr0", "sr1", "sr2", "sr10"}) {
            writeSized(m_system.file("dev/") + name, 0);
        }
        fs::create_symlink("sr1", m_system.file("dev/cdrom"));
    }

    SystemRoots roots() const {
        return {m_system.file("proc"), m_system.file("sys"), m_system.file("dev")};
    }
    std::string device(const std::string& name) const { return m_system.file("dev/" + name); }

    void mount(const std::string& device, const std::string& mountInfoPath) {
        fs::create_directories(m_system.file("proc/self"));
        test::writeFile(m_system.file("proc/self/mountinfo"),
                        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
                        "25 22 0:5 / /proc rw - proc proc rw\n"
                        "40 22 11:0 / " +
                            mountInfoPath + " ro,nosuid shared:7 - iso9660 " + device +
                            " ro,uid=1000\n");
    }

    std::vector<std::pair<std::string, std::string>> letters(LinuxDiscDrives& drives) {
        std::vector<std::pair<std::string, std::string>> shown;
        for (const DiscSource& source : drives.opticalDrives()) {
            EXPECT_EQ(source.kind, DiscSourceKind::OpticalDrive);
            shown.emplace_back(source.root, source.location);
        }
        return shown;
    }

    test::TempDir m_system;
    test::TempDir m_files;
};

using Letters = std::vector<std::pair<std::string, std::string>>;

TEST_F(LinuxDiscDrivesTest, GivesLettersFromDInDeviceOrder) {
    LinuxDiscDrives drives({}, roots());
    EXPECT_EQ(letters(drives), (Letters{{"D:\\", device("sr0")},
                                        {"E:\\", device("sr1")},
                                        {"F:\\", device("sr2")},
                                        {"G:\\", device("sr10")}}));
}

TEST_F(LinuxDiscDrivesTest, OverridesTakeTheirLettersAndTheRestFillTheGaps) {
    LinuxDiscDrives drives({{'D', device("cdrom")}, {'H', device("sr0")}}, roots());
    EXPECT_EQ(letters(drives), (Letters{{"D:\\", device("sr1")},
                                        {"E:\\", device("sr2")},
                                        {"F:\\", device("sr10")},
                                        {"H:\\", device("sr0")}}));

    LinuxDiscDrives extra({{'K', "/dev/sr7"}}, roots());
    EXPECT_EQ(letters(extra).back(), (std::pair<std::string, std::string>{"K:\\", "/dev/sr7"}));
}

TEST_F(LinuxDiscDrivesTest, ImagesAndFoldersTakeTheNextFreeLetterOnce) {
    writeSized(m_files.file("one.iso"), 10);
    writeSized(m_files.file("two.iso"), 10);
    fs::create_directories(m_files.file("photos"));
    LinuxDiscDrives drives({{'H', device("sr0")}}, roots());

    const DiscSource one = drives.addImage(m_files.file("one.iso"));
    EXPECT_EQ(one.kind, DiscSourceKind::Image);
    EXPECT_EQ(one.root, "G:\\");
    EXPECT_EQ(one.location, m_files.file("one.iso"));
    const DiscSource photos = drives.addFolder(m_files.file("photos"));
    EXPECT_EQ(photos.kind, DiscSourceKind::Folder);
    EXPECT_EQ(photos.root, "I:\\");
    EXPECT_EQ(drives.addImage(m_files.file("photos/../one.iso")).root, "G:\\");
    EXPECT_EQ(drives.addImage(m_files.file("two.iso")).root, "J:\\");
    EXPECT_EQ(letters(drives).size(), 4u) << "the optical drives keep their letters";
}

TEST_F(LinuxDiscDrivesTest, NoDrivesWithoutKernelInformation) {
    LinuxDiscDrives drives({}, {m_files.file("proc"), m_files.file("sys"), m_files.file("dev")});
    EXPECT_TRUE(drives.opticalDrives().empty());
    fs::create_directories(m_files.file("photos"));
    EXPECT_EQ(drives.addFolder(m_files.file("photos")).root, "D:\\");
}

TEST_F(LinuxDiscDrivesTest, RunsOutOfLettersAfterZ) {
    LinuxDiscDrives drives({}, roots());
    std::string last;
    for (int i = 0; i < 20; ++i) {
        fs::create_directories(m_files.file("f" + std::to_string(i)));
        last = drives.addFolder(m_files.file("f" + std::to_string(i))).root;
    }
    EXPECT_EQ(last, "");
    EXPECT_EQ(drives.addFolder(m_files.file("f18")).root, "Z:\\");
}

TEST_F(LinuxDiscDrivesTest, OpensWhatStandsBehindALetter) {
    fs::create_directories(m_files.file("photos"));
    writeSized(m_files.file("photos/a.jpg"), 5);
    LinuxDiscDrives drives({}, roots());
    drives.addFolder(m_files.file("photos"));

    for (const char* root : {"H:\\", "h:", "H:"}) {
        const auto folder = drives.open(root);
        ASSERT_TRUE(folder) << root;
        std::vector<DirectoryEntry> entries;
        EXPECT_TRUE(folder->list("", entries));
        EXPECT_EQ(entries, (std::vector<DirectoryEntry>{{"a.jpg", false, 5}}));
    }
    const auto emptyDrive = drives.open("D:\\");
    ASSERT_TRUE(emptyDrive);
    EXPECT_FALSE(emptyDrive->ready()) << "a device that reports no disc";
    EXPECT_FALSE(emptyDrive->identity());
    EXPECT_FALSE(drives.open("X:\\"));
    EXPECT_FALSE(drives.open("photos"));
}

TEST_F(LinuxDiscDrivesTest, ResolvesCataloguedPathsInFoldersWithoutRegardToCase) {
    writeSized(m_files.file("Disc/Music/Rock/Song.MP3"), 5);
    writeSized(m_files.file("Disc/\u00C9t\u00E9/Caf\u00E9.txt"), 5);
    writeSized(m_files.file("Disc/readme.txt"), 1);
    writeSized(m_files.file("Disc/README.TXT"), 2);
    writeSized(m_files.file("Disc/Mus\xE9"
                            "e/caf\xE9.mp3"),
               3);
    LinuxDiscDrives drives({}, roots());
    const std::string root = drives.addFolder(m_files.file("Disc")).root;
    ASSERT_EQ(root, "H:\\");

    EXPECT_EQ(drives.resolve("h:\\music\\rock\\Song.MP3"),
              m_files.file("Disc/Music/Rock/Song.MP3"));
    EXPECT_EQ(drives.resolve("h:\\music\\rock\\song.mp3"),
              m_files.file("Disc/Music/Rock/Song.MP3"));
    EXPECT_EQ(drives.resolve("H:\\MUSIC\\ROCK\\"), m_files.file("Disc/Music/Rock"));
    EXPECT_EQ(drives.resolve("h:\\\u00E9t\u00E9\\caf\u00C9.TXT"),
              m_files.file("Disc/\u00C9t\u00E9/Caf\u00E9.txt"));
    EXPECT_EQ(drives.resolve("h:\\README.TXT"), m_files.file("Disc/README.TXT"));
    // Names in Latin-1 bytes are catalogued by their Windows-1252 reading.
    EXPECT_EQ(drives.resolve("h:\\mus\u00E9e\\CAF\u00C9.MP3"), m_files.file("Disc/Mus\xE9"
                                                                            "e/caf\xE9.mp3"));
    EXPECT_EQ(drives.resolve("h:\\"), m_files.file("Disc"));

    for (const char* missing :
         {"h:\\music\\jazz\\song.mp3", "h:\\music\\rock\\song.ogg", "h:\\readme.txt\\more",
          "h:\\..\\Disc\\readme.txt", "x:\\music", "music\\rock"}) {
        EXPECT_FALSE(drives.resolve(missing)) << missing;
    }
}

TEST_F(LinuxDiscDrivesTest, ResolvesOnAMountedDiscThroughItsMountPoint) {
    writeSized(m_files.file("mount point/Docs/Letter.TXT"), 5);
    mount(device("cdrom"), m_files.file("mount\\040point"));
    LinuxDiscDrives drives({}, roots());

    EXPECT_EQ(drives.resolve("e:\\docs\\letter.txt"), m_files.file("mount point/Docs/Letter.TXT"));
    EXPECT_FALSE(drives.resolve("d:\\docs\\letter.txt")) << "sr0 is not mounted";
    EXPECT_FALSE(drives.resolve("e:\\docs\\missing.txt"));
}

TEST_F(LinuxDiscDrivesTest, ImagesAreNotResolvedToFiles) {
    writeSized(m_files.file("disc.iso"), 10);
    LinuxDiscDrives drives({}, roots());
    const std::string root = drives.addImage(m_files.file("disc.iso")).root;
    EXPECT_FALSE(drives.resolve(root + "readme.txt"));
}

}  // namespace
}  // namespace vorlix
