#include <gtest/gtest.h>

#include <filesystem>

#include "net/copy_job.h"
#include "net/recording_copy_window.h"
#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "support/archive_tree.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

// Members of archives on a disc, copied as files of their own.
class CopyJobMemberTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir.file("home"));
        // D:, as the catalogue recorded the disc.
        ASSERT_EQ(m_drives.drives().addFolder(m_tree.root()).root, "D:\\");
    }

    void run(std::vector<CopyFile> files) {
        const std::atomic<bool> ending = false;
        CopyJob({CopyOrigin::FileList, std::move(files)}, m_drives.drives(), m_prompt, m_window,
                ending)
            .run();
    }

    // The member A.txt of the archive, as the catalogue lists it.
    static CopyFile member(const std::string& archive, const std::string& name = "A.txt") {
        return {"d:\\backup\\" + archive + "\\docs\\", name, "300000", "12"};
    }

    test::TempDir m_dir;
    test::ArchiveTree m_tree{m_dir};
    test::DrivesWithoutHardware m_drives;
    test::ScriptedPrompt m_prompt;
    test::RecordingWindow m_window;
};

TEST_F(CopyJobMemberTest, MembersOfAFolderAndOfAnImageAreCopiedByteIdentical) {
    const std::string image = test::isoImage(m_tree.root(), m_dir.file("disc.iso"), "-J -R");
    for (const std::string& letter : {std::string("d"), m_drives.drives().addImage(image).root}) {
        const std::string drive = letter.substr(0, 1);
        SCOPED_TRACE(drive);
        for (const char* archive : {"old.zip", "set.tar.gz", "set.7z"}) {
            SCOPED_TRACE(archive);
            const std::string target = m_dir.file("home/") + archive + ".txt";
            m_prompt.files.push_back(target);
            CopyFile file = member(archive);
            file.folder.replace(0, 1, drive);
            m_window.messages.clear();
            run({file});
            EXPECT_TRUE(test::readFile(target) == m_tree.a);
            EXPECT_EQ(m_window.messages.back(),
                      "|" + std::to_string(m_window.items.size()) + "|100|300000|");
            std::filesystem::remove(target);
        }
    }
    m_prompt.files.push_back(m_dir.file("home/x.txt"));
    run({{"d:\\backup\\old.zip\\inner.tar\\", "x.txt", "4000", "12"}});
    EXPECT_EQ(test::readFile(m_dir.file("home/x.txt")), m_tree.x);
    EXPECT_TRUE(m_prompt.messages.empty()) << m_prompt.messages[0];
}

TEST_F(CopyJobMemberTest, ADamagedMemberEndsTheTaskWithTheReasonAndNoFile) {
    const std::string stored = m_tree.storedZip("Stored.zip");
    std::string bytes = test::readFile(stored);
    bytes[bytes.find(m_tree.a.substr(0, 100)) + 250000] ^= 0x01;
    test::writeFile(stored, bytes);
    m_prompt.files.push_back(m_dir.file("home/a.txt"));
    run({member("stored.zip"), member("old.zip")});
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("home/a.txt")));
    ASSERT_EQ(m_prompt.shown.size(), 1u);
    EXPECT_EQ(m_prompt.shown[0].icon, MessageIcon::Stop);
    const std::string expected = "Copying d:\\backup\\stored.zip\\docs\\A.txt to " +
                                 m_dir.file("home/a.txt") +
                                 " failed: the archive D:\\backup\\stored.zip is damaged (";
    EXPECT_EQ(m_prompt.messages[0].substr(0, expected.size()), expected) << m_prompt.messages[0];
    EXPECT_NE(m_prompt.messages[0].find("). The incomplete copy was removed."), std::string::npos)
        << m_prompt.messages[0];
    EXPECT_EQ(m_window.messages.back(), "|1|");
    EXPECT_EQ(m_window.items.size(), 1u);
}

TEST_F(CopyJobMemberTest, AMemberThatCannotBeReadIsSaidBeforeAnyDestinationIsAsked) {
    m_tree.encryptedZip("Locked.zip");
    const struct {
        CopyFile file;
        std::string message;
    } cases[] = {
        {member("old.zip", "missing.txt"),
         "Copying d:\\backup\\old.zip\\docs\\missing.txt failed: docs\\missing.txt is not in the "
         "archive D:\\backup\\old.zip."},
        {member("locked.zip"),
         "Copying d:\\backup\\locked.zip\\docs\\A.txt failed: docs\\A.txt is encrypted in the "
         "archive D:\\backup\\locked.zip and cannot be read."},
    };
    for (const auto& c : cases) {
        m_prompt = {};
        run({c.file, member("old.zip")});
        EXPECT_EQ(m_prompt.shown,
                  (std::vector<test::Shown>{{c.message, MessageIcon::Stop, std::nullopt}}));
        EXPECT_TRUE(m_prompt.fileRequests.empty());
    }
    EXPECT_TRUE(m_window.items.empty());

    // No archive there at all: the disc is asked for, as for any file.
    m_prompt = {};
    m_prompt.answers = {Answer::No};
    run({member("gone.zip")});
    EXPECT_EQ(m_prompt.messages, (std::vector<std::string>{"Please, insert CD 12"}));
}

TEST_F(CopyJobMemberTest, StoppingMidwayThroughABigMemberRemovesThePartialFile) {
    m_window.stopAtFirstProgress = true;
    m_prompt.files.push_back(m_dir.file("home/a.txt"));
    run({member("set.tar.gz")});
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("home/a.txt")));
    EXPECT_EQ(m_window.messages, (std::vector<std::string>{"|1|2|8192|0.000000|", "|1|"}));
    EXPECT_TRUE(m_prompt.messages.empty());
}

}  // namespace
}  // namespace vorlix
