#include "scan/filter_list_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using Entries = std::vector<std::string>;

struct ParseCase {
    const char* name;
    std::string bytes;
    Entries entries;
};

class FilterListParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(FilterListParseTest, SplitsLinesAsWritten) {
    EXPECT_EQ(FilterListFile::parse(GetParam().bytes, Windows1252()), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FilterListParseTest,
    testing::Values(ParseCase{"EmptyFile", "", {}},
                    ParseCase{"CrLf", "mp3\r\navi\r\n", {"mp3", "avi"}},
                    ParseCase{"Lf", "mp3\navi\n", {"mp3", "avi"}},
                    ParseCase{"MixedLineEnds", "mp3\navi\r\nwav\n", {"mp3", "avi", "wav"}},
                    ParseCase{"LastLineWithoutEnd", "mp3\r\navi", {"mp3", "avi"}},
                    ParseCase{"SingleEntryWithoutEnd", "mp3", {"mp3"}},
                    ParseCase{"NoTrimming", " mp3 \r\n\tavi\r\n", {" mp3 ", "\tavi"}},
                    ParseCase{"EmptyLinesAreEntries", "\r\n\nmp3\r\n", {"", "", "mp3"}},
                    ParseCase{"BareCrIsNotALineEnd", "a\rb\n", {"a\rb"}},
                    ParseCase{"CaseKept", "MP3\r\n", {"MP3"}},
                    ParseCase{"AnsiCodePage", "caf\xE9\r\n\x80\r\n", {"caf\u00E9", "\u20AC"}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(FilterListFormatTest, EndsEveryEntryWithCrLfInTheCodePage) {
    const Windows1252 codePage;
    EXPECT_EQ(FilterListFile::format({}, codePage), "");
    EXPECT_EQ(FilterListFile::format({"mp3", "avi"}, codePage), "mp3\r\navi\r\n");
    EXPECT_EQ(FilterListFile::format({""}, codePage), "\r\n");
    EXPECT_EQ(FilterListFile::format({"caf\u00E9", "\u20AC"}, codePage), "caf\xE9\r\n\x80\r\n");
    EXPECT_EQ(FilterListFile::format({"mp3", "\u65E5\u672C"}, codePage), std::nullopt);
}

class FilterListFileTest : public testing::Test {
protected:
    test::TempDir m_dir;
    Windows1252 m_codePage;
    FilterListFile m_file{m_dir.file("ext.txt"), m_codePage};
};

TEST_F(FilterListFileTest, WritesAMissingFileAndReadsItBack) {
    const Entries entries{"mp3", "", " avi", "caf\u00E9"};
    ASSERT_TRUE(test::succeeded(m_file.write(entries)));
    EXPECT_EQ(test::readFile(m_file.path()), "mp3\r\n\r\n avi\r\ncaf\xE9\r\n");
    Entries read;
    ASSERT_TRUE(test::succeeded(m_file.read(read)));
    EXPECT_EQ(read, entries);
}

TEST_F(FilterListFileTest, ReplacesTheWholeContent) {
    test::writeFile(m_file.path(), "one\r\ntwo\r\nthree\r\n");
    ASSERT_TRUE(test::succeeded(m_file.write({"mp3"})));
    EXPECT_EQ(test::readFile(m_file.path()), "mp3\r\n");
    ASSERT_TRUE(test::succeeded(m_file.write({})));
    EXPECT_TRUE(std::filesystem::exists(m_file.path()));
    EXPECT_EQ(std::filesystem::file_size(m_file.path()), 0u);
}

TEST_F(FilterListFileTest, ReadingAMissingFileNamesItAndLeavesTheEntries) {
    Entries entries{"kept"};
    EXPECT_TRUE(test::failedWith(m_file.read(entries), "Could not read the scan filter list \"" +
                                                           m_file.path() +
                                                           "\": No such file or directory."));
    EXPECT_EQ(entries, Entries{"kept"});
}

TEST_F(FilterListFileTest, ReadingAFolderNamesIt) {
    std::filesystem::create_directory(m_file.path());
    Entries entries;
    EXPECT_TRUE(test::failedWith(m_file.read(entries), "Could not read the scan filter list \"" +
                                                           m_file.path() + "\": it is a folder."));
}

TEST_F(FilterListFileTest, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    test::writeFile(m_file.path(), "mp3\r\n");
    EXPECT_TRUE(test::failedWith(m_file.write({"\u65E5\u672C"}),
                                 "Could not write the scan filter list \"" + m_file.path() +
                                     "\": an extension holds a character that the code page "
                                     "cannot store. The file on disk was not changed."));
    EXPECT_EQ(test::readFile(m_file.path()), "mp3\r\n");

    const FilterListFile nowhere(m_dir.file("missing/ext.txt"), m_codePage);
    EXPECT_TRUE(
        test::failedWith(nowhere.write({"mp3"}),
                         "Could not write the scan filter list \"" + nowhere.path() +
                             "\": No such file or directory. The file on disk was not changed."));
}

// A change is made to the file as it is now, not to the list as it was read: an entry another
// program wrote meanwhile stays, and a file that went missing is made from the list.
TEST_F(FilterListFileTest, AnUpdateChangesTheFileAsItIsNow) {
    Entries entries{"tmp"};
    test::writeFile(m_file.path(), "tmp\r\nbak\r\n");
    const auto appendNfo = [](Entries& list) { list.push_back("nfo"); };
    ASSERT_TRUE(test::succeeded(m_file.update(entries, appendNfo)));
    EXPECT_EQ(entries, (Entries{"tmp", "bak", "nfo"}));
    EXPECT_EQ(test::readFile(m_file.path()), "tmp\r\nbak\r\nnfo\r\n");

    std::filesystem::remove(m_file.path());
    ASSERT_TRUE(test::succeeded(m_file.update(entries, appendNfo)));
    EXPECT_EQ(test::readFile(m_file.path()), "tmp\r\nbak\r\nnfo\r\nnfo\r\n");
}

TEST_F(FilterListFileTest, ProcessesUpdatingAtTheSameTimeKeepEachOthersEntries) {
    constexpr int kProcesses = 4;
    constexpr int kEntriesEach = 20;
    ASSERT_TRUE(test::succeeded(m_file.write({})));
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Entries entries;
            bool all = true;
            for (int e = 0; e < kEntriesEach; ++e) {
                const std::string entry = "p" + std::to_string(p) + "e" + std::to_string(e);
                all = m_file.update(entries, [&entry](Entries& list) { list.push_back(entry); })
                          .ok() &&
                      all;
            }
            ::_exit(all ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(status, 0);
    }
    Entries read;
    ASSERT_TRUE(test::succeeded(m_file.read(read)));
    std::sort(read.begin(), read.end());
    Entries expected;
    for (int p = 0; p < kProcesses; ++p) {
        for (int e = 0; e < kEntriesEach; ++e) {
            expected.push_back("p" + std::to_string(p) + "e" + std::to_string(e));
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(read, expected);
}

}  // namespace
}  // namespace vorlix
