#include "scan/scan_job.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "scan/scan_fixture.h"
#include "support/fake_disc_volume.h"
#include "support/result_assertions.h"

namespace vorlix {
namespace {

using test::describe;
using test::FakeDiscVolume;
using Lines = std::vector<std::string>;

class ScanJobTest : public testing::Test {
protected:
    ScanJobTest() {
        m_job.setDrivePath("D:\\");
        m_job.setDiscNumber("12");
    }

    // Prepare and walk on this thread, as the command line does.
    void scan(DiscVolume& volume) {
        m_job.readVolume(volume.identity());
        ASSERT_TRUE(test::succeeded(m_job.prepare()));
        EXPECT_TRUE(test::succeeded(m_job.walk(volume)));
    }

    test::FilterListFiles m_files;
    test::FakeMediaTags m_tags;
    ScanJob m_job{m_files.lists, m_tags};
};

TEST_F(ScanJobTest, WalksEachFolderFilesFirstThenSubfoldersAndTheRootFilesLast) {
    FakeDiscVolume volume{{"Root.txt", 1},
                          {"Docs/Guide.TXT", 2},
                          {"Docs/Old/a.doc", 3},
                          {"Docs/Old/Deep/b", 4},
                          {"Docs/z.txt", 5},
                          {"Empty/"},
                          {"Music/Rock/song.mp3", 6},
                          {"last", 7}};
    volume.setIdentity("BACKUP", 1);
    scan(volume);

    EXPECT_EQ(m_job.state(), ScanState::Completed);
    EXPECT_EQ(describe(m_job.entries()), (Lines{
                                             "d:\\docs\\|Guide.TXT|2|d:",
                                             "d:\\docs\\|z.txt|5|d:",
                                             "d:\\docs\\old\\|a.doc|3|d:",
                                             "d:\\docs\\old\\deep\\|b|4|d:",
                                             "d:\\music\\rock\\|song.mp3|6|d:",
                                             "d:\\|Root.txt|1|d:",
                                             "d:\\|last|7|d:",
                                         }));
    EXPECT_EQ(m_job.folderOutline(),
              "12 BACKUP\r\n\tDocs\r\n\t\tOld\r\n\t\t\tDeep\r\n\tEmpty\r\n\tMusic\r\n\t\tRock\r\n");
    // Every folder is read once, the walk holding no more than the folders it is inside.
    EXPECT_EQ(volume.listedPaths,
              (Lines{"", "Docs", "Docs/Old", "Docs/Old/Deep", "Empty", "Music", "Music/Rock"}));
    const std::vector<ScanTreeItem> items = m_job.treeItems(4);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "Empty");
    EXPECT_EQ(items[0].parent, 0);
    EXPECT_EQ(items[2].text, "Rock");
    EXPECT_EQ(items[2].parent, 5);
}

TEST_F(ScanJobTest, FolderPathsAreLowerCasedBeyondAscii) {
    FakeDiscVolume volume{{"\xC3\x84RGER/\xC3\x96L.mp3", 1}};
    m_job.setDrivePath("E:\\");
    scan(volume);
    EXPECT_EQ(describe(m_job.entries()), (Lines{"e:\\\xC3\xA4rger\\|\xC3\x96L.mp3|1|e:"}));
}

struct FilterCase {
    const char* name;
    bool filterOn;
    bool skipWithoutExtension;
    std::vector<test::FakeEntry> files;
    Lines recorded;  // names
    Lines detected;
    bool audio;
};

class ScanJobFilterTest : public ScanJobTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(ScanJobFilterTest, RecordsWhatTheFilterKeeps) {
    const FilterCase& c = GetParam();
    FakeDiscVolume volume;
    for (const auto& file : c.files) {
        volume.add(file.path, file.size);
    }
    m_job.setFilterOn(c.filterOn);
    m_job.setSkipFilesWithoutExtension(c.skipWithoutExtension);
    scan(volume);
    Lines names;
    for (const auto& entry : m_job.entries()) {
        names.emplace_back(entry.name());
    }
    EXPECT_EQ(names, c.recorded);
    EXPECT_EQ(m_job.detectedExtensions(), c.detected);
    EXPECT_EQ(m_job.audio(), c.audio);
    EXPECT_EQ(m_tags.asked, c.audio ? Lines{"D:\\"} : Lines{});
    EXPECT_EQ(m_job.mediaTag(), c.audio ? m_tags.tag : "");
}

// Keep list: mp3 cda gz; skip list: tmp bak.
INSTANTIATE_TEST_SUITE_P(
    Cases, ScanJobFilterTest,
    testing::Values(
        FilterCase{"AudioTrack", true, false, {{"Track01.cda", 44}}, {"Track01.cda"}, {}, true},
        FilterCase{"UpperCaseTrackIsNotAudio",
                   false,
                   false,
                   {{"TRACK01.CDA", 44}},
                   {"TRACK01.CDA"},
                   {},
                   false},
        FilterCase{"ExtensionIsLowerCasedForTheFilter",
                   true,
                   false,
                   {{"TRACK01.CDA", 44}, {"Song.Mp3", 1}},
                   {"TRACK01.CDA", "Song.Mp3"},
                   {},
                   false},
        FilterCase{"NoExtensionFilterOff", false, true, {{"README", 1}}, {"README"}, {}, false},
        FilterCase{"NoExtensionFilterOn", true, false, {{"README", 1}}, {"README"}, {}, false},
        FilterCase{"NoExtensionSkipped", true, true, {{"README", 1}}, {}, {}, false},
        FilterCase{"LastDotCounts",
                   true,
                   false,
                   {{"archive.tar.gz", 1}, {"backup.gz.tar", 1}},
                   {"archive.tar.gz"},
                   {"tar"},
                   false},
        FilterCase{"DetectedOnceInOrderSkipListSilent",
                   true,
                   false,
                   {{"a.XYZ", 1}, {"b.tmp", 1}, {"c.xyz", 1}, {"d.iso", 1}, {"e.Bak", 1}},
                   {},
                   {"xyz", "iso"},
                   false},
        FilterCase{"FilterOffRecordsEverything",
                   false,
                   false,
                   {{"a.xyz", 1}, {"b.tmp", 1}},
                   {"a.xyz", "b.tmp"},
                   {},
                   false}),
    [](const testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

TEST_F(ScanJobTest, AudioCdWithCdaOnNeitherListIsNoAudioDisc) {
    m_files.write("mp3\r\n", "tmp\r\n");
    const auto cd = FakeDiscVolume::audioCd(3, "", 77);
    m_job.setFilterOn(true);
    scan(*cd);
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_FALSE(m_job.audio());
    EXPECT_EQ(m_job.detectedExtensions(), Lines{"cda"});
    EXPECT_TRUE(m_tags.asked.empty());
}

TEST_F(ScanJobTest, AnAudioScanThenADataScanGivesADataDiscWithoutTag) {
    const auto cd = FakeDiscVolume::audioCd(2, "", 77);
    scan(*cd);
    EXPECT_TRUE(m_job.audio());
    EXPECT_EQ(m_job.mediaTag(), m_tags.tag);

    FakeDiscVolume data{{"a.mp3", 1}};
    scan(data);
    EXPECT_FALSE(m_job.audio());
    EXPECT_EQ(m_job.mediaTag(), "");
    EXPECT_EQ(m_tags.asked.size(), 1u);
}

TEST_F(ScanJobTest, SizesKeepTheLow32BitsWhileTotalsCountEveryByte) {
    FakeDiscVolume volume{
        {"big.mp3", 3'000'000'000}, {"huge.mp3", 5'368'709'121}, {"skipped.tmp", 1'048'576}};
    m_job.setFilterOn(true);
    scan(volume);
    EXPECT_EQ(describe(m_job.entries()),
              (Lines{"d:\\|big.mp3|-1294967296|d:", "d:\\|huge.mp3|1073741825|d:"}));
    // The walk adds the true sizes; Save reads each stored text back as unsigned 32 bits.
    EXPECT_EQ(m_job.display().sizeText, "7981.023 MB");
    const ScanTotals totals = m_job.totals();
    EXPECT_EQ(totals.countText, "2");
    EXPECT_EQ(totals.sizeText, "3885.023 MB");
    EXPECT_EQ(totals.discSizeText, "7982.023");
}

TEST_F(ScanJobTest, TheDiscSizeIsExactForAFullDvd) {
    // Summed in single precision, these sizes would come to 4498.639 megabytes.
    FakeDiscVolume volume;
    for (int i = 0; i < 30000; ++i) {
        volume.add("f" + std::to_string(i) + ".bak", 157'286);
    }
    m_job.setFilterOn(true);
    scan(volume);
    EXPECT_EQ(m_job.totals().discSizeText, "4499.989");
    EXPECT_EQ(m_job.totals().countText, "0");
}

TEST_F(ScanJobTest, ShowsProgressAndEndsWithFullBars) {
    FakeDiscVolume volume{{"Music/a.mp3", 1'048'576}, {"Music/b.mp3", 524'288}, {"c.tmp", 1}};
    m_job.setFilterOn(true);
    std::vector<std::string> counts;
    m_job.readVolume(volume.identity());
    ASSERT_TRUE(test::succeeded(m_job.prepare()));
    EXPECT_EQ(m_job.display().countText, "");
    ASSERT_TRUE(
        test::succeeded(m_job.walk(volume, [&] { counts.push_back(m_job.display().countText); })));
    EXPECT_EQ(counts, (Lines{"1", "2", "2"}));
    const ScanDisplay display = m_job.display();
    EXPECT_EQ(display.folderText, "Music");
    EXPECT_EQ(display.fileText, "b.mp3");
    EXPECT_EQ(display.countText, "2");
    EXPECT_EQ(display.sizeText, "1.500 MB");
    EXPECT_EQ(display.recordedBar, 100);
    EXPECT_EQ(display.seenBar, 50);
    EXPECT_EQ(display.foldersBar, 100);
}

TEST_F(ScanJobTest, AnUnreadableFolderGivesNothingAndTheWalkGoesOn) {
    FakeDiscVolume volume{{"A/a.mp3", 1}, {"B/b.mp3", 1}, {"c.mp3", 1}};
    volume.unreadableFolders.insert("A");
    scan(volume);
    EXPECT_EQ(describe(m_job.entries()), (Lines{"d:\\b\\|b.mp3|1|d:", "d:\\|c.mp3|1|d:"}));
    EXPECT_EQ(m_job.state(), ScanState::Completed);
}

TEST_F(ScanJobTest, WhatCannotBeReadIsCountedAndTheFirstFewAreNamed) {
    FakeDiscVolume volume{{"A/a.mp3", 1}, {"B/b.mp3", 1}, {"C/"},        {"D/"},
                          {"E/"},         {"F/"},         {"G/g.mp3", 1}};
    volume.unreadableFolders = {"A", "B", "C", "D", "E", "F"};
    scan(volume);
    EXPECT_EQ(m_job.state(), ScanState::Completed);
    EXPECT_EQ(describe(m_job.entries()), (Lines{"d:\\g\\|g.mp3|1|d:"}));
    const std::string expected =
        "6 items could not be read and are not catalogued: d:\\a\\, d:\\b\\, d:\\c\\, d:\\d\\, "
        "d:\\e\\, ...";
    EXPECT_EQ(m_job.unreadableText(), expected);
    EXPECT_EQ(m_job.display().unreadableText, expected);

    volume.unreadableFolders = {"G"};
    scan(volume);
    EXPECT_EQ(m_job.unreadableText(), "1 item could not be read and is not catalogued: d:\\g\\");
    m_job.stop();
    EXPECT_EQ(m_job.unreadableText(), "");
}

// Every folder holds one folder "d", down to the given depth, where one file lies: the walk
// asks for "", "d", "d/d", ..., and each folder lies in a place of its own unless the deepest
// is made to lead back.
class ChainVolume final : public DiscVolume {
public:
    ChainVolume(std::size_t depth, std::size_t loopsBackTo) : m_depth(depth), m_loop(loopsBackTo) {}

    bool ready() override { return true; }
    std::optional<VolumeIdentity> identity() override { return std::nullopt; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override {
        entries.clear();
        if (depthOf(path) < m_depth) {
            entries.push_back({"d", true, 0});
        } else {
            entries.push_back({"f.mp3", false, 1});
        }
        return true;
    }
    std::optional<FolderPlace> place(std::string_view path) override {
        const std::size_t depth = depthOf(path);
        return FolderPlace{0, depth == m_depth ? m_loop : depth};
    }
    std::optional<AudioToc> audioToc() override { return std::nullopt; }

private:
    static std::size_t depthOf(std::string_view path) { return (path.size() + 1) / 2; }

    std::size_t m_depth;
    std::size_t m_loop;
};

// Far more levels than the thread's stack would hold frames for, were the walk to recurse.
TEST_F(ScanJobTest, AFolderTreeOfAnyDepthIsWalkedToTheBottom) {
    constexpr std::size_t kDepth = 100'000;
    ChainVolume volume(kDepth, kDepth);
    scan(volume);
    EXPECT_EQ(m_job.state(), ScanState::Completed);
    ASSERT_EQ(m_job.entries().size(), 1u);
    EXPECT_EQ(m_job.entries()[0].folder().size(), std::string("d:\\").size() + 2 * kDepth);
    EXPECT_EQ(m_job.treeItems().size(), kDepth + 1);
}

TEST_F(ScanJobTest, AFolderLeadingBackToOneAlreadyReadEndsTheWalkWithNothingKept) {
    ChainVolume volume(4, 2);
    m_job.readVolume(volume.identity());
    ASSERT_TRUE(test::succeeded(m_job.prepare()));
    EXPECT_TRUE(test::failedWith(m_job.walk(volume),
                                 "The disc cannot be scanned: its folder tree loops at "
                                 "d:\\d\\d\\d\\d\\, which leads back to a folder already read."));
    EXPECT_EQ(m_job.state(), ScanState::Idle);
    EXPECT_FALSE(m_job.walking());
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_TRUE(m_job.treeItems().empty());
    EXPECT_EQ(m_job.totals().discSizeText, "0.000");
}

TEST_F(ScanJobTest, ARootThatCannotBeReadFailsTheWalk) {
    FakeDiscVolume volume{{"a.mp3", 1}};
    volume.unreadableFolders.insert("");
    m_job.readVolume(volume.identity());
    ASSERT_TRUE(test::succeeded(m_job.prepare()));
    EXPECT_TRUE(test::failedWith(m_job.walk(volume),
                                 "The disc cannot be scanned: its root folder cannot be read."));
    EXPECT_EQ(m_job.state(), ScanState::Idle);
}

TEST_F(ScanJobTest, ReadsSerialAsSignedAndKeepsOldValuesWhenTheQueryFails) {
    FakeDiscVolume volume;
    volume.setIdentity("MY DISC", 3'902'927'555u);
    m_job.readVolume(volume.identity());
    EXPECT_EQ(m_job.volumeLabel(), "MY DISC");
    EXPECT_EQ(m_job.serialText(), "-392039741");

    FakeDiscVolume noIdentity;
    m_job.readVolume(noIdentity.identity());
    EXPECT_EQ(m_job.volumeLabel(), "MY DISC");
    EXPECT_EQ(m_job.serialText(), "-392039741");
}

TEST_F(ScanJobTest, AnUnreadableListFileKeepsTheScanFromStarting) {
    std::filesystem::remove(m_files.folder.file("ext.txt"));
    const Result prepared = m_job.prepare();
    EXPECT_FALSE(prepared.ok());
    EXPECT_NE(prepared.message().find("ext.txt"), std::string::npos) << prepared.message();
    EXPECT_EQ(m_job.state(), ScanState::Idle);
    EXPECT_FALSE(m_job.walking());
}

TEST_F(ScanJobTest, StopInTheWalkDiscardsEverythingButTheDetectedExtensions) {
    FakeDiscVolume volume{{"A/a.mp3", 1}, {"A/x.xyz", 1}, {"B/b.mp3", 1},
                          {"B/y.iso", 1}, {"C/c.mp3", 1}, {"r.mp3", 1}};
    volume.onList = [&](std::string_view path) {
        if (path == "B") {
            m_job.stop();
        }
    };
    m_job.setFilterOn(true);
    scan(volume);

    EXPECT_EQ(m_job.state(), ScanState::Stopped);
    EXPECT_FALSE(m_job.walking());
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_TRUE(m_job.treeItems().empty());
    EXPECT_EQ(m_job.folderOutline(), "");
    EXPECT_EQ(m_job.display().countText, "");
    EXPECT_EQ(m_job.totals().discSizeText, "0.000");
    // The walk ends after the entry in hand: b.mp3 is the last file met, y.iso is never seen.
    EXPECT_EQ(volume.listedPaths, (Lines{"", "A", "B"}));
    // The bars stay where the walk stopped: two files recorded, three met, A and B left.
    const ScanDisplay display = m_job.display();
    EXPECT_EQ(display.recordedBar, 2);
    EXPECT_EQ(display.seenBar, 3);
    EXPECT_EQ(display.foldersBar, 2);
    EXPECT_EQ(m_job.detectedExtensions(), Lines{"xyz"});
}

TEST_F(ScanJobTest, StopAfterACompletedWalkDiscardsAtOnce) {
    FakeDiscVolume volume{{"a.mp3", 1}};
    scan(volume);
    ASSERT_TRUE(m_job.completed());
    m_job.stop();
    EXPECT_EQ(m_job.state(), ScanState::Stopped);
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_TRUE(m_job.treeItems().empty());

    scan(volume);
    m_job.close();
    EXPECT_EQ(m_job.state(), ScanState::Closed);
    EXPECT_TRUE(m_job.entries().empty());
    m_job.stop();
    EXPECT_EQ(m_job.state(), ScanState::Closed);
}

TEST_F(ScanJobTest, ANewScanCommandLeavesCompletedOnly) {
    FakeDiscVolume volume{{"a.mp3", 1}};
    scan(volume);
    m_job.leaveCompleted();
    EXPECT_EQ(m_job.state(), ScanState::Idle);
    m_job.stop();
    m_job.leaveCompleted();
    EXPECT_EQ(m_job.state(), ScanState::Stopped);
}

TEST_F(ScanJobTest, StopFromAnotherThreadLeavesTheWalkToDiscardItsResult) {
    FakeDiscVolume volume;
    for (int folder = 0; folder < 20; ++folder) {
        for (int file = 0; file < 50; ++file) {
            volume.add("F" + std::to_string(folder) + "/f" + std::to_string(file) + ".mp3", 10);
        }
    }
    std::promise<void> reached;
    std::promise<void> stopped;
    std::future<void> reachedFuture = reached.get_future();
    std::future<void> stoppedFuture = stopped.get_future();
    volume.onList = [&](std::string_view path) {
        if (path == "F10") {
            reached.set_value();
            stoppedFuture.wait();
        }
    };
    m_job.readVolume(volume.identity());
    ASSERT_TRUE(test::succeeded(m_job.prepare()));
    std::thread walker([&] { EXPECT_TRUE(test::succeeded(m_job.walk(volume))); });
    // The user interface keeps reading while the walk runs.
    std::size_t seenItems = 0;
    while (reachedFuture.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        seenItems += m_job.treeItems(seenItems).size();
        (void)m_job.display();
    }
    m_job.stop();
    EXPECT_EQ(m_job.state(), ScanState::Stopped);
    EXPECT_TRUE(m_job.walking());
    stopped.set_value();
    walker.join();

    EXPECT_FALSE(m_job.walking());
    EXPECT_TRUE(m_job.entries().empty());
    EXPECT_TRUE(m_job.treeItems().empty());
    EXPECT_EQ(volume.listedPaths.back(), "F10");
}

}  // namespace
}  // namespace vorlix
