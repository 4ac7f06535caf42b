#include "net/copy_job.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/catalog.h"
#include "net/copy_messages.h"
#include "net/copy_tasks.h"
#include "net/recording_copy_window.h"
#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "support/gate.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 13 + i / 4096) % 253);
    }
    return bytes;
}

class CopyJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"tree/Docs", "tree/Music", "home"}) {
            std::filesystem::create_directories(m_dir.file(folder));
        }
        test::writeFile(m_dir.file("tree/Docs/Hello.TXT"), "hello, disc\n");
        test::writeFile(m_dir.file("tree/Music/Big.mp3"), m_big);
        test::writeFile(m_dir.file("tree/Music/Two.txt"), "two");
        test::writeFile(m_dir.file("tree/Music/Three.txt"), "three");
        m_image = test::isoImage(m_dir.file("tree"), m_dir.file("disc.iso"), "-J -R");
        // D:, as the catalogue recorded the disc.
        ASSERT_EQ(m_drives.drives().addImage(m_image).root, "D:\\");
    }

    void run(CopyTask task) {
        const std::atomic<bool> ending = false;
        CopyJob(std::move(task), m_drives.drives(), m_prompt, m_window, ending).run();
    }

    static CopyTask task(std::vector<CopyFile> files, CopyOrigin origin = CopyOrigin::FileList) {
        return {origin, std::move(files)};
    }

    test::TempDir m_dir;
    test::DrivesWithoutHardware m_drives;
    test::ScriptedPrompt m_prompt;
    test::RecordingWindow m_window;
    std::string m_image;
    const std::string m_big = pattern(3 * kCopyBlockSize + 1000);
    const CopyFile m_hello{"d:\\docs\\", "hello.txt", "12", "12"};
    const CopyFile m_bigFile{"d:\\music\\", "Big.mp3", "25576", "12"};
};

TEST_F(CopyJobTest, CopiesAFileFromAnImageRegisteredAsADrive) {
    m_prompt.files.push_back(m_dir.file("home/greeting.txt"));
    run(task({m_hello}));
    EXPECT_EQ(test::readFile(m_dir.file("home/greeting.txt")), "hello, disc\n");
    ASSERT_EQ(m_prompt.fileRequests.size(), 1u);
    EXPECT_EQ(m_prompt.fileRequests[0].filter, "(*.txt)|*.txt||");
    EXPECT_EQ(m_prompt.fileRequests[0].proposedName, "hello.txt");
    EXPECT_TRUE(m_prompt.fileRequests[0].overwritePrompt);
    ASSERT_EQ(m_window.items.size(), 1u);
    EXPECT_EQ(m_window.items[0].destination, m_dir.file("home/greeting.txt"));
    EXPECT_EQ(m_window.items[0].size, "12");
    EXPECT_EQ(m_window.messages, (std::vector<std::string>{"|1|100|12|0.000000|", "|1|100|12|"}));
    EXPECT_TRUE(m_prompt.messages.empty());
}

TEST_F(CopyJobTest, PercentComesFromTheRealSizeWhateverTheCatalogueSays) {
    for (const char* catalogued : {"0", "-5", "99999999"}) {
        SCOPED_TRACE(catalogued);
        m_window.messages.clear();
        m_prompt.files.push_back(m_dir.file("home/big.mp3"));
        CopyFile file = m_bigFile;
        file.size = catalogued;
        run(task({file}));
        EXPECT_EQ(test::readFile(m_dir.file("home/big.mp3")), m_big);
        std::vector<std::string> percents;
        for (const std::string& message : m_window.messages) {
            percents.push_back(copyMessageField(message, 3));
        }
        EXPECT_EQ(percents, (std::vector<std::string>{"32", "64", "96", "100", "100"}));
        EXPECT_EQ(m_window.messages.back(),
                  "|" + std::to_string(m_window.items.size()) + "|100|25576|");
    }
}

TEST_F(CopyJobTest, StoppingMidwayRemovesThePartialFile) {
    m_window.stopAtFirstProgress = true;
    m_prompt.files.push_back(m_dir.file("home/big.mp3"));
    run(task({m_bigFile}));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("home/big.mp3")));
    EXPECT_EQ(m_window.messages, (std::vector<std::string>{"|1|32|8192|0.000000|", "|1|"}));
    EXPECT_TRUE(m_prompt.messages.empty());
}

TEST_F(CopyJobTest, ThreeFilesAskForADestinationOnce) {
    // Chosen without an extension: the file's own is added.
    m_prompt.files.push_back(m_dir.file("home/first"));
    run(task(
        {m_hello, {"d:\\music\\", "Two.txt", "3", "12"}, {"d:\\music\\", "three.TXT", "5", "12"}}));
    EXPECT_EQ(m_prompt.fileRequests.size(), 1u);
    EXPECT_EQ(test::readFile(m_dir.file("home/first.txt")), "hello, disc\n");
    EXPECT_EQ(test::readFile(m_dir.file("home/Two.txt")), "two");
    EXPECT_EQ(test::readFile(m_dir.file("home/three.TXT")), "three");
    EXPECT_EQ(m_window.items.size(), 3u);
}

TEST_F(CopyJobTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    test::writeFile(m_dir.file("home/Two.txt"), "mine");
    test::writeFile(m_dir.file("home/Three.txt"), "old");
    m_prompt.files.push_back(m_dir.file("home/hello.txt"));
    m_prompt.answers = {Answer::No, Answer::Yes};
    run(task(
        {m_hello, {"d:\\music\\", "Two.txt", "3", "12"}, {"d:\\music\\", "Three.txt", "5", "12"}}));
    EXPECT_EQ(test::readFile(m_dir.file("home/Two.txt")), "mine");
    EXPECT_EQ(test::readFile(m_dir.file("home/Three.txt")), "three");
    EXPECT_EQ(m_prompt.messages,
              (std::vector<std::string>{"The file " + m_dir.file("home/Two.txt") +
                                            " exists already. Do you want to replace it?",
                                        "The file " + m_dir.file("home/Three.txt") +
                                            " exists already. Do you want to replace it?"}));
}

TEST_F(CopyJobTest, AudioTracksAreRefusedAndEndTheTask) {
    const struct {
        CopyOrigin origin;
        std::string_view message;
    } cases[] = {
        {CopyOrigin::FileList, "Copying of audio files not possible! Please use CD Grabbers!"},
        {CopyOrigin::SearchResults, "Audio CDs can not be copied! Please, use CD grabbers!"}};
    for (const auto& c : cases) {
        m_prompt = {};
        run(task({{"e:\\", "Track01.cda", "44", "5"}, m_hello}, c.origin));
        EXPECT_EQ(
            m_prompt.shown,
            (std::vector<test::Shown>{{std::string(c.message), MessageIcon::Stop, std::nullopt}}));
        EXPECT_TRUE(m_prompt.fileRequests.empty());
    }
    EXPECT_TRUE(m_window.items.empty());
}

TEST_F(CopyJobTest, AMissingDiscIsAskedForUntilTheUserGivesUp) {
    const struct {
        CopyOrigin origin;
        std::string question;
    } cases[] = {{CopyOrigin::FileList, "Please, insert CD 7"},
                 {CopyOrigin::SearchResults, "Please insert disc Nr.7"}};
    for (const auto& c : cases) {
        m_prompt = {};
        m_prompt.answers = {Answer::Yes, Answer::No};
        m_prompt.files.push_back(m_dir.file("home/hello.txt"));
        run(task({{"d:\\docs\\", "missing.txt", "1", "7"}, m_hello}, c.origin));
        EXPECT_EQ(m_prompt.messages, (std::vector<std::string>{c.question, c.question}));
        // The next file is copied, and is the one that asks where to go.
        EXPECT_EQ(test::readFile(m_dir.file("home/hello.txt")), "hello, disc\n");
    }
}

TEST_F(CopyJobTest, AReadErrorEndsTheCopyAndRemovesThePartialFile) {
    // The big file's records point at the image's last four sectors: its first block reads,
    // the second runs off the end, as a scratch would stop it.
    std::string image = test::readFile(m_image);
    const auto lba =
        static_cast<std::uint32_t>(image.find(m_big.substr(0, 256)) / test::kImageSector);
    std::string extent(16, '\0');
    test::putLe(extent, 0, lba, 4);
    test::putBe32(extent, 4, lba);
    test::putLe(extent, 8, static_cast<std::uint32_t>(m_big.size()), 4);
    test::putBe32(extent, 12, static_cast<std::uint32_t>(m_big.size()));
    const auto moved = static_cast<std::uint32_t>(image.size() / test::kImageSector - 4);
    int records = 0;
    for (std::size_t at = image.find(extent); at != std::string::npos;
         at = image.find(extent, at + 1), ++records) {
        test::putLe(image, at, moved, 4);
        test::putBe32(image, at + 4, moved);
    }
    ASSERT_GT(records, 0);
    test::writeFile(m_image, image);
    m_prompt.files.push_back(m_dir.file("home/big.mp3"));
    run(task({m_bigFile, m_hello}));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("home/big.mp3")));
    ASSERT_EQ(m_prompt.shown.size(), 1u);
    EXPECT_EQ(m_prompt.shown[0].icon, MessageIcon::Stop);
    EXPECT_NE(m_prompt.messages[0].find("the disc could not be read"), std::string::npos)
        << m_prompt.messages[0];
    EXPECT_EQ(m_window.messages.back(), "|1|");
    EXPECT_EQ(m_window.items.size(), 1u);  // the task ended there
}

TEST_F(CopyJobTest, TwoCopiesRunSideBySideWithoutHoldingTheCaller) {
    test::Gate first;
    test::Gate second;
    m_window.onAdd = [&](const std::string& destination) {
        (destination.find("one") != std::string::npos ? first : second).arrive();
    };
    m_prompt.files.push_back(m_dir.file("home/one.txt"));
    m_prompt.files.push_back(m_dir.file("home/two.txt"));
    {
        CopyTasks tasks(m_drives.drives(), m_prompt, m_window);
        tasks.start(task({m_hello}));
        while (!first.holding()) {
            std::this_thread::yield();
        }
        tasks.start(task({m_hello}));
        while (!second.holding()) {
            std::this_thread::yield();
        }
        // Both copies are in hand at once, and this thread goes on.
        EXPECT_TRUE(tasks.busy());
        first.release();
        second.release();
        while (tasks.busy()) {
            std::this_thread::yield();
        }
    }
    EXPECT_EQ(test::readFile(m_dir.file("home/one.txt")), "hello, disc\n");
    EXPECT_EQ(test::readFile(m_dir.file("home/two.txt")), "hello, disc\n");
}

TEST(CopyMessagesTest, FieldsAreReadBetweenTheSigns) {
    const struct {
        std::string message;
        int field;
        std::string text;
    } cases[] = {
        {copyProgressMessage(3, 45, 8192, 1.5), 2, "3"},
        {copyProgressMessage(3, 45, 8192, 1.5), 3, "45"},
        {copyProgressMessage(3, 45, 8192, 1.5), 4, "8192"},
        {copyProgressMessage(3, 45, 8192, 1.5), 5, "1.500000"},
        {copyCompletionMessage(4, 77), 3, "100"},
        {copyCompletionMessage(4, 77), 5, "ERROR"},
        {copyStopMessage(9), 2, "9"},
        {copyStopMessage(9), 3, "ERROR"},
        {"|9", 2, "ERROR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(copyMessageField(c.message, c.field), c.text) << c.message << " " << c.field;
    }
}

TEST(CopyTaskTest, SearchResultsTakeTheWantedNamesFromTheirDiscsUpToTheirNumber) {
    CQXDisc first;
    first.setNumber("4");
    first.files.push_back(CQXFileData("Song.MP3", "d:\\a\\", "1", "d:"));
    first.files.push_back(CQXFileData("other.txt", "d:\\", "1", "d:"));
    CQXDisc second;
    second.setNumber("9");
    second.files.push_back(CQXFileData("NOTES.txt", "e:\\", "2", "e:"));
    second.files.push_back(CQXFileData("song.mp3", "e:\\b\\", "3", "e:"));
    const CopyTask task = searchResultsCopyTask({&first, &second}, {"song.mp3", "notes.TXT"});
    EXPECT_EQ(task.origin, CopyOrigin::SearchResults);
    ASSERT_EQ(task.files.size(), 2u);
    EXPECT_EQ(task.files[0].name, "Song.MP3");
    EXPECT_EQ(task.files[0].discNumber, "4");
    EXPECT_EQ(task.files[1].name, "NOTES.txt");
    EXPECT_EQ(task.files[1].discNumber, "9");
}

}  // namespace
}  // namespace vorlix
