#include "platform/archive/catalogued_entry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/disc/crafted_images.h"
#include "platform/disc/disc_test_support.h"
#include "support/archive_tree.h"

namespace vorlix {
namespace {

// Everything the file gives, and whether it ended in a read failure.
struct ReadBack {
    std::string bytes;
    bool failed = false;
    std::string problem;
};

ReadBack readAll(VolumeFile& file) {
    ReadBack back;
    std::string buffer(8192, '\0');
    for (;;) {
        const std::optional<std::size_t> got = file.read(buffer.data(), buffer.size());
        if (!got) {
            back.failed = true;
            back.problem = file.readProblem();
            return back;
        }
        if (*got == 0) {
            return back;
        }
        back.bytes.append(buffer.data(), *got);
    }
}

class CataloguedEntryTest : public ::testing::Test {
protected:
    OpenedEntry open(const std::string& path) {
        return openCataloguedEntry(m_drives.drives(), path);
    }

    // Opens the path and reads it through.
    ReadBack read(const std::string& path) {
        OpenedEntry opened = open(path);
        EXPECT_TRUE(opened.ok()) << path << ": " << opened.message();
        const std::unique_ptr<VolumeFile> file = opened.take();
        return file ? readAll(*file) : ReadBack{{}, true, {}};
    }

    test::TempDir m_dir;
    test::ArchiveTree m_tree{m_dir};
    test::DrivesWithoutHardware m_drives;
};

TEST_F(CataloguedEntryTest, ReadsMembersOfZipTarGzAnd7zOnAFolderAndAnImage) {
    const std::string image = test::isoImage(m_tree.root(), m_dir.file("disc.iso"), "-J -R");
    for (const DiscSource& source :
         {m_drives.drives().addFolder(m_tree.root()), m_drives.drives().addImage(image)}) {
        SCOPED_TRACE(source.location);
        const std::string backup = source.root.substr(0, 2) + "\\backup\\";
        for (const char* archive : {"old.zip", "set.tar.gz", "set.7z"}) {
            SCOPED_TRACE(archive);
            OpenedEntry opened = open(backup + archive + "\\docs\\A.txt");
            ASSERT_TRUE(opened.ok()) << opened.message();
            const std::unique_ptr<VolumeFile> file = opened.take();
            EXPECT_EQ(file->size(), m_tree.a.size());
            EXPECT_FALSE(file->seek(0));
            const ReadBack back = readAll(*file);
            EXPECT_FALSE(back.failed) << back.problem;
            EXPECT_TRUE(back.bytes == m_tree.a);
        }
        EXPECT_EQ(read(backup + "old.zip\\inner.tar\\x.txt").bytes, m_tree.x);
        // A file that is no member is itself, as ever.
        EXPECT_EQ(read(backup + "plain.txt").bytes, "plain");
    }
}

TEST_F(CataloguedEntryTest, AMemberOfTheSameCaseWinsOverOneOfAnyCase) {
    const std::string backup = m_drives.drives().addFolder(m_tree.root()).root + "backup\\";
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"case.txt", "lower"},
        {"Case.txt", "upper"},
        // No member is named so: the first of any case stands for it.
        {"CASE.TXT", "lower"},
        {"a.TXT", nullptr},
    };
    for (const auto& c : cases) {
        const ReadBack back = read(backup + "OLD.ZIP\\Docs\\" + c.name);
        EXPECT_EQ(back.bytes, c.expected != nullptr ? c.expected : m_tree.a) << c.name;
    }
}

// The scan catalogues a member's tab by its control picture and a name that is no UTF-8 by its
// Windows-1252 reading; the catalogued name must lead back to the member.
TEST_F(CataloguedEntryTest, FindsAMemberByTheNameTheScanCataloguesItBy) {
    const std::string members = m_dir.file("odd");
    std::filesystem::create_directories(members);
    test::writeFile(members + "/tab\there.txt", "tab");
    test::writeFile(members + "/caf\xe9.txt", "cafe");
    test::runArchiver("cd '" + members + "' && bsdtar -cf '" + m_tree.root() +
                      "/Backup/Odd.tar' 'tab\there.txt' 'caf\xe9.txt'");
    const std::string backup = m_drives.drives().addFolder(m_tree.root()).root + "backup\\";
    EXPECT_EQ(read(backup + "odd.tar\\tab\u2409here.txt").bytes, "tab");
    EXPECT_EQ(read(backup + "odd.tar\\caf\u00e9.txt").bytes, "cafe");
}

TEST_F(CataloguedEntryTest, SaysWhyAMemberCannotBeOpened) {
    m_tree.encryptedZip("Locked.zip");
    const std::string backup = m_drives.drives().addFolder(m_tree.root()).root + "backup\\";
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {backup + "old.zip\\docs\\missing.txt",
         "docs\\missing.txt is not in the archive D:\\backup\\old.zip"},
        // A folder of the archive is no member to open.
        {backup + "old.zip\\docs", "docs is not in the archive D:\\backup\\old.zip"},
        {backup + "old.zip\\inner.tar\\y.txt",
         "y.txt is not in the archive D:\\backup\\old.zip\\inner.tar"},
        {backup + "locked.zip\\docs\\A.txt",
         "docs\\A.txt is encrypted in the archive D:\\backup\\locked.zip and cannot be read"},
    };
    for (const auto& c : cases) {
        const OpenedEntry opened = open(c.path);
        EXPECT_FALSE(opened.ok()) << c.path;
        EXPECT_EQ(opened.message(), c.message) << c.path;
    }
    const OpenedEntry plain = open(backup + "plain.txt\\x");
    EXPECT_FALSE(plain.ok());
    EXPECT_EQ(plain.message().rfind("D:\\backup\\plain.txt cannot be read as an archive (", 0), 0u)
        << plain.message();
    for (const std::string& path : {backup + "nowhere.zip\\a.txt", std::string("q:\\old.zip\\a")}) {
        const OpenedEntry nothing = open(path);
        EXPECT_TRUE(nothing.absentFile()) << path << ": " << nothing.message();
    }
}

// Damage is only found on reading: the data up to it comes, then the read fails with the
// archive's words, as for a scratched disc.
TEST_F(CataloguedEntryTest, DamagedMemberDataEndsTheReadWithTheReason) {
    const std::string stored = m_tree.storedZip("Stored.zip");
    std::string bytes = test::readFile(stored);
    const std::size_t data = bytes.find(m_tree.a.substr(0, 100));
    ASSERT_NE(data, std::string::npos);
    bytes[data + 200000] ^= 0x01;
    test::writeFile(stored, bytes);
    std::string deflated = test::readFile(m_tree.root() + "/Backup/Old.zip");
    deflated[deflated.size() / 3] ^= 0x55;
    test::writeFile(m_tree.root() + "/Backup/Old.zip", deflated);

    const std::string backup = m_drives.drives().addFolder(m_tree.root()).root + "backup\\";
    for (const char* archive : {"stored.zip", "old.zip"}) {
        SCOPED_TRACE(archive);
        OpenedEntry opened = open(backup + archive + "\\docs\\A.txt");
        ASSERT_TRUE(opened.ok()) << opened.message();
        const ReadBack back = readAll(*opened.take());
        EXPECT_TRUE(back.failed);
        EXPECT_EQ(back.problem.rfind(
                      "the archive D:\\backup\\" + std::string(archive) + " is damaged (", 0),
                  0u)
            << back.problem;
    }
    // The member after the damaged one is whole.
    EXPECT_EQ(read(backup + "stored.zip\\docs\\case.txt").bytes, "lower");
}

}  // namespace
}  // namespace vorlix
