#include "platform/archive/archive_input.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "platform/disc/local_file.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

// Hides the file's seek, as a member of another archive would.
class StreamOnly final : public VolumeFile {
public:
    explicit StreamOnly(VolumeFile& file) : m_file(file) {}
    std::uint64_t size() const override { return m_file.size(); }
    std::optional<std::size_t> read(char* destination, std::size_t n) override {
        return m_file.read(destination, n);
    }

private:
    VolumeFile& m_file;
};

std::map<std::string, std::string> members(VolumeFile& file) {
    ArchiveInput input(file);
    const Result opened = input.open();
    EXPECT_TRUE(opened.ok()) << opened.message();
    std::map<std::string, std::string> found;
    struct archive_entry* entry = nullptr;
    while (opened.ok() && archive_read_next_header(input.handle(), &entry) == ARCHIVE_OK) {
        std::string data(static_cast<std::size_t>(archive_entry_size(entry)), '\0');
        EXPECT_EQ(archive_read_data(input.handle(), data.data(), data.size()),
                  static_cast<la_ssize_t>(data.size()));
        found[archive_entry_pathname(entry)] = data;
    }
    return found;
}

class ArchiveInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(m_dir.file("a.txt"), "alpha");
        test::writeFile(m_dir.file("b.bin"), std::string(200000, 'b'));
    }

    std::string make(const std::string& name, const std::string& format) {
        const std::string command = "cd '" + m_dir.path() + "' && bsdtar --format " + format +
                                    " -cf '" + name + "' a.txt b.bin";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return m_dir.file(name);
    }

    test::TempDir m_dir;
};

TEST_F(ArchiveInputTest, ReadsMembersOfSeekableAndStreamedArchives) {
    const std::map<std::string, std::string> expected{{"a.txt", "alpha"},
                                                      {"b.bin", std::string(200000, 'b')}};
    for (const char* format : {"zip", "7zip", "ustar"}) {
        SCOPED_TRACE(format);
        const std::string path = make(std::string("x.") + format, format);
        auto file = LocalFile::open(path);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(members(*file), expected);
        if (std::string(format) != "7zip") {
            auto again = LocalFile::open(path);
            StreamOnly stream(*again);
            EXPECT_EQ(members(stream), expected);
        }
    }
}

TEST_F(ArchiveInputTest, RefusesBytesThatAreNoArchive) {
    test::writeFile(m_dir.file("plain.zip"), std::string(5000, 'x'));
    auto file = LocalFile::open(m_dir.file("plain.zip"));
    ASSERT_NE(file, nullptr);
    ArchiveInput input(*file);
    const Result opened = input.open();
    EXPECT_FALSE(opened.ok());
    EXPECT_FALSE(opened.message().empty());
}

}  // namespace
}  // namespace vorlix
