#include "scan/filter_list_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vorlix
