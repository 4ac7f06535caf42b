#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/stored_size.h"
#include "platform/disc/folder_volume.h"
#include "platform/disc/volume_opener.h"
#include "scan/scan_fixture.h"
#include "scan/scan_job.h"
#include "support/noise_bytes.h"
#include "support/result_assertions.h"

namespace vorlix {
namespace {

using test::describe;
using Lines = std::vector<std::string>;

constexpr std::uint64_t kLimit = 64ull * 1024 * 1024;

// Writes a file, making the folders it lies in.
void put(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::writeFile(path, bytes);
}

void shell(const std::string& command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

Lines sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Every tree item as the path of texts from the root down, sorted; and whether the items come in
// pre-order (each one's parent before it), which the outline needs.
Lines treePaths(const ScanJob& job) {
    const std::vector<ScanTreeItem> items = job.treeItems();
    Lines paths;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int parent = items[i].parent;
        EXPECT_LT(parent, static_cast<int>(i)) << items[i].text;
        paths.push_back(parent < 0 ? items[i].text
                                   : paths[static_cast<std::size_t>(parent)] + "/" + items[i].text);
    }
    return sorted(paths);
}

Lines entriesUnder(const ScanJob& job, const std::string& folder) {
    Lines found;
    for (const std::string& line : describe(job.entries())) {
        if (line.starts_with(folder)) {
            found.push_back(line);
        }
    }
    return found;
}

class ArchiveScanTest : public testing::Test {
protected:
    ArchiveScanTest() {
        m_job.setDrivePath("D:\\");
        m_job.setDiscNumber("12");
        m_job.setVolume("BACKUP", "1");
        m_job.setListArchives(true);
        m_job.setArchiveLimit(kLimit);
    }

    std::string disc() const { return m_dir.file("disc"); }
    std::string staging(const std::string& name) const { return m_dir.file("staging/" + name); }

    // An archive of the files under staging/<from>, made by bsdtar with the given options.
    void archive(const std::string& into, const std::string& from, const std::string& options) {
        std::filesystem::create_directories(std::filesystem::path(into).parent_path());
        shell("cd '" + staging(from) + "' && bsdtar " + options + " -cf '" + into + "' *");
    }

    // Old.zip with nested folders, set.tar.gz and pack.7z, each in a folder of its own, and a
    // plain file in the root.
    void makeMixedDisc() {
        put(staging("zip/Docs/A.txt"), "alpha");
        put(staging("zip/Docs/Sub/b.mp3"), std::string(3000, 'b'));
        put(staging("zip/top.txt"), "top");
        archive(disc() + "/Backup/Old.zip", "zip", "--format zip");
        put(staging("tgz/music/x.mp3"), std::string(70000, 'x'));
        put(staging("tgz/music/y.dat"), "yy");
        archive(disc() + "/Sets/set.tar.gz", "tgz", "-z");
        put(staging("7z/a/b/c.txt"), "ccc");
        archive(disc() + "/pack.7z", "7z", "--format 7zip");
        put(disc() + "/plain.txt", "plain");
    }

    std::uint64_t fileSize(const std::string& path) const {
        return std::filesystem::file_size(path);
    }

    void scan(DiscVolume& volume) {
        ASSERT_TRUE(test::succeeded(m_job.prepare()));
        EXPECT_TRUE(test::succeeded(m_job.walk(volume)));
        EXPECT_EQ(m_job.state(), ScanState::Completed);
    }

    void scanFolder() {
        FolderVolume volume(disc());
        scan(volume);
    }

    // What the mixed disc's scan must give with archives listed, entries sorted.
    Lines mixedEntries() const {
        const auto size = [this](const std::string& path) {
            return std::to_string(fileSize(disc() + "/" + path));
        };
        return sorted({
            "d:\\backup\\|Old.zip|" + size("Backup/Old.zip") + "|d:",
            "d:\\backup\\old.zip\\docs\\|A.txt|5|d:",
            "d:\\backup\\old.zip\\docs\\sub\\|b.mp3|3000|d:",
            "d:\\backup\\old.zip\\|top.txt|3|d:",
            "d:\\sets\\|set.tar.gz|" + size("Sets/set.tar.gz") + "|d:",
            "d:\\sets\\set.tar.gz\\music\\|x.mp3|70000|d:",
            "d:\\sets\\set.tar.gz\\music\\|y.dat|2|d:",
            "d:\\|pack.7z|" + size("pack.7z") + "|d:",
            "d:\\pack.7z\\a\\b\\|c.txt|3|d:",
            "d:\\|plain.txt|5|d:",
        });
    }

    test::TempDir m_dir;
    test::FilterListFiles m_files;
    test::FakeMediaTags m_tags;
    ScanJob m_job{m_files.lists, m_tags};
};

TEST_F(ArchiveScanTest, ListsMembersOfZipTarGzAnd7zAsFilesInFoldersNamedAfterTheArchives) {
    makeMixedDisc();
    scanFolder();

    EXPECT_EQ(sorted(describe(m_job.entries())), mixedEntries());
    EXPECT_EQ(treePaths(m_job), sorted({
                                    "12 BACKUP",
                                    "12 BACKUP/Backup",
                                    "12 BACKUP/Backup/Old.zip",
                                    "12 BACKUP/Backup/Old.zip/Docs",
                                    "12 BACKUP/Backup/Old.zip/Docs/Sub",
                                    "12 BACKUP/Sets",
                                    "12 BACKUP/Sets/set.tar.gz",
                                    "12 BACKUP/Sets/set.tar.gz/music",
                                    "12 BACKUP/pack.7z",
                                    "12 BACKUP/pack.7z/a",
                                    "12 BACKUP/pack.7z/a/b",
                                }));
    EXPECT_EQ(m_job.unreadableText(), "");
    // The disc's size counts what lies on the medium, not the members again.
    std::uint64_t onDisc = 0;
    for (const auto& file : std::filesystem::recursive_directory_iterator(disc())) {
        onDisc += file.is_regular_file() ? file.file_size() : 0;
    }
    EXPECT_EQ(m_job.totals().discSizeText, megabytesText(static_cast<double>(onDisc)));
}

TEST_F(ArchiveScanTest, ListsArchivesInsideAnIsoImageWithTheirFoldersInTheOutline) {
    makeMixedDisc();
    const std::string image = m_dir.file("disc.iso");
    shell("xorriso -as mkisofs -quiet -J -R -o '" + image + "' '" + disc() + "' 2>/dev/null");
    const std::unique_ptr<DiscVolume> volume = openImage(image);
    ASSERT_NE(volume, nullptr);
    scan(*volume);

    // Sizes on the image are those of the files put there.
    EXPECT_EQ(sorted(describe(m_job.entries())), mixedEntries());
    // The image lists names in order, which fixes the outline: each archive below its folder,
    // the archives of the root after every other folder, as the root's files come last.
    EXPECT_EQ(m_job.folderOutline(),
              "12 BACKUP\r\n"
              "\tBackup\r\n"
              "\t\tOld.zip\r\n"
              "\t\t\tDocs\r\n"
              "\t\t\t\tSub\r\n"
              "\tSets\r\n"
              "\t\tset.tar.gz\r\n"
              "\t\t\tmusic\r\n"
              "\tpack.7z\r\n"
              "\t\ta\r\n"
              "\t\t\tb\r\n");
}

TEST_F(ArchiveScanTest, WithTheOptionOffArchivesStayPlainFiles) {
    makeMixedDisc();
    m_job.setListArchives(false);
    scanFolder();

    Lines plain;
    for (const std::string& line : mixedEntries()) {
        if (line.find(".zip\\") == std::string::npos && line.find(".gz\\") == std::string::npos &&
            line.find(".7z\\") == std::string::npos) {
            plain.push_back(line);
        }
    }
    ASSERT_EQ(plain.size(), 4u);
    EXPECT_EQ(sorted(describe(m_job.entries())), plain);
    EXPECT_EQ(treePaths(m_job), sorted({"12 BACKUP", "12 BACKUP/Backup", "12 BACKUP/Sets"}));
}

// An archive that cannot be listed whole adds nothing of itself but stays a file, and the scan
// says so; an archive beside it is listed all the same.
TEST_F(ArchiveScanTest, KeepsDamagedEncryptedOversizedAndFalseArchivesAsPlainFiles) {
    put(staging("good/g.txt"), "good");
    put(staging("many/first.txt"), "first member, readable before the damage");
    for (int i = 0; i < 8; ++i) {
        put(staging("many/part" + std::to_string(i) + ".bin"), test::noiseBytes(15000, 7u + i));
    }
    put(staging("secret/hidden.txt"), "hidden");
    put(staging("big/big.bin"), test::noiseBytes(300000, 3));
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> make;
    };
    const Case cases[] = {
        {"damaged.tar.gz",
         [&](const std::string& path) {
             archive(path, "many", "-z");
             // Cut in the middle of the members: the first ones are whole, the rest is gone.
             std::filesystem::resize_file(path, fileSize(path) / 2);
         }},
        {"locked.zip",
         [&](const std::string& path) {
             shell("cd '" + staging("secret") + "' && zip -q -P secret '" + path + "' hidden.txt");
         }},
        {"huge.tar", [&](const std::string& path) { archive(path, "big", "--format ustar"); }},
        {"false.zip", [&](const std::string& path) { put(path, test::noiseBytes(5000, 11)); }},
    };
    m_job.setArchiveLimit(200000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(disc());
        archive(disc() + "/good.zip", "good", "--format zip");
        c.make(disc() + "/" + c.name);
        scanFolder();

        const std::string folder = std::string("d:\\") + c.name;
        EXPECT_EQ(entriesUnder(m_job, folder + "\\"), Lines{});
        EXPECT_EQ(entriesUnder(m_job, folder + "|"), Lines{});
        EXPECT_EQ(entriesUnder(m_job, "d:\\|" + std::string(c.name)).size(), 1u);
        EXPECT_EQ(entriesUnder(m_job, "d:\\good.zip\\"), Lines{"d:\\good.zip\\|g.txt|4|d:"});
        EXPECT_EQ(treePaths(m_job), sorted({"12 BACKUP", "12 BACKUP/good.zip"}));
        EXPECT_EQ(m_job.unreadableText(),
                  "1 archive could not be listed and is catalogued as a file: " + folder);
    }
}

TEST_F(ArchiveScanTest, ListsArchivesInsideAnArchiveOneLevelDeep) {
    put(staging("third/deepest.txt"), "deep");
    archive(staging("inner/f/third.zip"), "third", "--format zip");
    put(staging("inner/f/g.txt"), "gg");
    archive(staging("outer/Inner.tar"), "inner", "--format ustar");
    put(staging("seven/s.txt"), "s");
    archive(staging("outer/sub/inner.7z"), "seven", "--format 7zip");
    put(staging("outer/sub/h.txt"), "h");
    put(staging("outer/sub/broken.tar.gz"), test::noiseBytes(3000, 5));
    archive(disc() + "/outer.zip", "outer", "--format zip");
    scanFolder();

    const auto size = [this](const std::string& path) { return std::to_string(fileSize(path)); };
    EXPECT_EQ(
        sorted(describe(m_job.entries())),
        sorted({
            "d:\\|outer.zip|" + size(disc() + "/outer.zip") + "|d:",
            "d:\\outer.zip\\|Inner.tar|" + size(staging("outer/Inner.tar")) + "|d:",
            "d:\\outer.zip\\inner.tar\\f\\|g.txt|2|d:",
            // Two levels down: a file, never opened.
            "d:\\outer.zip\\inner.tar\\f\\|third.zip|" + size(staging("inner/f/third.zip")) + "|d:",
            "d:\\outer.zip\\sub\\|h.txt|1|d:",
            "d:\\outer.zip\\sub\\|inner.7z|" + size(staging("outer/sub/inner.7z")) + "|d:",
            "d:\\outer.zip\\sub\\inner.7z\\|s.txt|1|d:",
            "d:\\outer.zip\\sub\\|broken.tar.gz|3000|d:",
        }));
    EXPECT_EQ(treePaths(m_job), sorted({
                                    "12 BACKUP",
                                    "12 BACKUP/outer.zip",
                                    "12 BACKUP/outer.zip/Inner.tar",
                                    "12 BACKUP/outer.zip/Inner.tar/f",
                                    "12 BACKUP/outer.zip/sub",
                                    "12 BACKUP/outer.zip/sub/inner.7z",
                                }));
    // The archive that cannot be listed stays a file of its folder; the one around it is listed.
    EXPECT_EQ(m_job.unreadableText(),
              "1 archive could not be listed and is catalogued as a file: "
              "d:\\outer.zip\\sub\\broken.tar.gz");
}

TEST_F(ArchiveScanTest, FiltersMembersByTheirExtensionsAndListsOnlyRecordedArchives) {
    m_files.write("zip\r\ntxt\r\n", "mp3\r\n");
    m_job.setFilterOn(true);
    put(staging("zip/keep.txt"), "k");
    put(staging("zip/song.mp3"), "s");
    put(staging("zip/data.dat"), "d");
    archive(disc() + "/a.zip", "zip", "--format zip");
    put(staging("tgz/inside.txt"), "i");
    archive(disc() + "/b.tar.gz", "tgz", "-z");
    scanFolder();

    EXPECT_EQ(sorted(describe(m_job.entries())),
              sorted({"d:\\|a.zip|" + std::to_string(fileSize(disc() + "/a.zip")) + "|d:",
                      "d:\\a.zip\\|keep.txt|1|d:"}));
    EXPECT_EQ(sorted(m_job.detectedExtensions()), (Lines{"dat", "gz"}));
}

// Counts the reads of every file the volume opens, and stops the scan at the third one, when
// the listing is under way.
class StoppingVolume final : public DiscVolume {
public:
    StoppingVolume(const std::string& root, ScanJob& job) : m_folder(root), m_job(job) {}

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override { return std::nullopt; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override {
        return m_folder.list(path, entries);
    }
    std::optional<AudioToc> audioToc() override { return std::nullopt; }
    std::unique_ptr<VolumeFile> openFile(std::string_view path) override {
        auto file = m_folder.openFile(path);
        return file ? std::make_unique<Counted>(std::move(file), *this) : nullptr;
    }

    int readsAfterStop = 0;

private:
    class Counted final : public VolumeFile {
    public:
        Counted(std::unique_ptr<VolumeFile> file, StoppingVolume& volume)
            : m_file(std::move(file)), m_volume(volume) {}
        std::uint64_t size() const override { return m_file->size(); }
        bool seek(std::uint64_t position) override { return m_file->seek(position); }
        std::optional<std::size_t> read(char* destination, std::size_t n) override {
            if (++m_volume.m_reads == 3) {
                m_volume.m_job.stop();
            } else if (m_volume.m_reads > 3) {
                ++m_volume.readsAfterStop;
            }
            return m_file->read(destination, n);
        }

    private:
        std::unique_ptr<VolumeFile> m_file;
        StoppingVolume& m_volume;
    };

    FolderVolume m_folder;
    ScanJob& m_job;
    int m_reads = 0;
};

TEST_F(ArchiveScanTest, StopEndsTheListingOfALongArchiveWithinOneMember) {
    // Some 3 MB of small members: dozens of blocks, each holding many members.
    for (int i = 0; i < 3000; ++i) {
        put(staging("long/m" + std::to_string(i) + ".txt"), std::string(500, 'm'));
    }
    archive(disc() + "/long.tar", "long", "--format ustar");
    StoppingVolume volume(disc(), m_job);
    ASSERT_TRUE(test::succeeded(m_job.prepare()));
    EXPECT_TRUE(test::succeeded(m_job.walk(volume)));

    EXPECT_EQ(m_job.state(), ScanState::Stopped);
    EXPECT_LE(volume.readsAfterStop, 1);
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_EQ(m_job.unreadableText(), "");
}

}  // namespace
}  // namespace vorlix
