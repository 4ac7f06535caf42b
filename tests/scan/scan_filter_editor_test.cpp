#include "scan/scan_filter_editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/code_page.h"
#include "scan/filter_lists.h"
#include "support/memory_settings.h"
#include "support/result_assertions.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using Entries = std::vector<std::string>;

constexpr char kQuestion[] =
    "This extension is currently filtered out. \n\t\t\tWould you like to add it to your extension "
    "list?";
constexpr char kAlreadyOnList[] = "This extension is already on the list!";

class ScanFilterEditorTest : public testing::Test {
protected:
    // Writes both list files, loads them and opens the editor on detected.
    void open(std::string_view keepFile, std::string_view skipFile, Entries detected = {}) {
        test::writeFile(keepPath(), keepFile);
        test::writeFile(skipPath(), skipFile);
        ASSERT_TRUE(test::succeeded(m_lists.load()));
        m_detected = std::move(detected);
        m_editor = std::make_unique<ScanFilterEditor>(m_lists, m_detected, m_prompt, m_settings);
    }

    std::string keepPath() const { return m_dir.file("ext.txt"); }
    std::string skipPath() const { return m_dir.file("noscan.txt"); }
    std::string keepFile() const { return test::readFile(keepPath()); }
    std::string skipFile() const { return test::readFile(skipPath()); }
    std::uint32_t delNoExt() const {
        return m_settings.readNumber(setting::kSettingsKey, setting::kDelNoExt);
    }

    test::TempDir m_dir;
    Windows1252 m_codePage;
    FilterLists m_lists{m_dir.path() + "/", m_codePage};
    Entries m_detected;
    test::ScriptedPrompt m_prompt;
    test::MemorySettings m_settings;
    std::unique_ptr<ScanFilterEditor> m_editor;
};

TEST_F(ScanFilterEditorTest, OpensWithNewestRowsFirst) {
    open("avi\r\njpg\r\nmp3\r\n", "tmp\r\n", {"txt", "nfo"});
    EXPECT_EQ(m_editor->keepRows(), (Entries{"mp3", "jpg", "avi"}));
    EXPECT_EQ(m_editor->detectedRows(), (Entries{"nfo", "txt"}));
    EXPECT_TRUE(m_prompt.messages.empty());
}

TEST_F(ScanFilterEditorTest, CheckBoxShowsAnyNonzeroDelNoExtAndWritesOneOrZero) {
    for (const std::uint32_t stored : {0u, 1u, 2u}) {
        m_settings.writeNumber(setting::kSettingsKey, setting::kDelNoExt, stored);
        open("", "");
        EXPECT_EQ(m_editor->deleteFilesWithoutExtension(), stored != 0) << stored;
    }
    m_editor->setDeleteFilesWithoutExtension(true);
    EXPECT_EQ(delNoExt(), 1u);
    EXPECT_TRUE(m_editor->deleteFilesWithoutExtension());
    m_editor->setDeleteFilesWithoutExtension(false);
    EXPECT_EQ(delNoExt(), 0u);
}

TEST_F(ScanFilterEditorTest, TypedTextWithoutDetectedRowsIsKeptAsTypedAndWrittenLowerCased) {
    open("avi\r\njpg\r\n", "");
    m_editor->addNew("MP3");
    EXPECT_EQ(m_editor->keepRows(), (Entries{"MP3", "jpg", "avi"}));
    EXPECT_EQ(keepFile(), "avi\r\njpg\r\n") << "only OK or Remove write the keep list";
    ASSERT_TRUE(m_editor->accept());
    EXPECT_EQ(keepFile(), "mp3\r\njpg\r\navi\r\n");
    EXPECT_EQ(m_lists.keepList(), (Entries{"mp3", "jpg", "avi"}));
    EXPECT_TRUE(m_prompt.messages.empty());
}

TEST_F(ScanFilterEditorTest, AcceptsAnyTextAsTyped) {
    open("", "");
    m_editor->addNew("tar.gz");
    m_editor->addNew(" My Ext ");
    EXPECT_EQ(m_editor->keepRows(), (Entries{" My Ext ", "tar.gz"}));
}

struct AlreadyKeptCase {
    const char* name;
    Entries detected;
    Entries messages;
    Entries keepRows;
};

class AlreadyKeptTest : public ScanFilterEditorTest,
                        public testing::WithParamInterface<AlreadyKeptCase> {};

// The typed text is lower-cased only while it passes detected rows; the check against the kept
// rows is exact.
TEST_P(AlreadyKeptTest, RefusesOnlyAnExactMatch) {
    open("mp3\r\n", "", GetParam().detected);
    m_editor->addNew("MP3");
    EXPECT_EQ(m_prompt.messages, GetParam().messages);
    EXPECT_EQ(m_editor->keepRows(), GetParam().keepRows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlreadyKeptTest,
    testing::Values(AlreadyKeptCase{"WithDetectedRows", {"txt"}, {kAlreadyOnList}, {"mp3"}},
                    AlreadyKeptCase{"WithoutDetectedRows", {}, {}, {"MP3", "mp3"}}),
    [](const testing::TestParamInfo<AlreadyKeptCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(ScanFilterEditorTest, RefusesARowAlreadyKept) {
    open("mp3\r\n", "");
    m_editor->addNew("mp3");
    EXPECT_EQ(m_prompt.messages, Entries{kAlreadyOnList});
    EXPECT_EQ(m_editor->keepRows(), Entries{"mp3"});
}

TEST_F(ScanFilterEditorTest, FilteredOutTextAnsweredYesLeavesTheSkipListAtOnce) {
    open("", "tmp\r\nnfo\r\nbak\r\n");
    m_prompt.answers = {Answer::Yes};
    m_editor->addNew("nfo");
    EXPECT_EQ(m_prompt.messages, Entries{kQuestion});
    EXPECT_EQ(m_lists.skipList(), (Entries{"tmp", "bak"}));
    EXPECT_EQ(skipFile(), "tmp\r\nbak\r\n");
    EXPECT_EQ(m_editor->keepRows(), Entries{"nfo"});
}

TEST_F(ScanFilterEditorTest, FilteredOutTextAnsweredNoChangesNothing) {
    open("", "tmp\r\nnfo\r\n");
    m_prompt.answers = {Answer::No};
    m_editor->addNew("nfo");
    EXPECT_EQ(m_prompt.messages, Entries{kQuestion});
    EXPECT_EQ(m_lists.skipList(), (Entries{"tmp", "nfo"}));
    EXPECT_EQ(skipFile(), "tmp\r\nnfo\r\n");
    EXPECT_TRUE(m_editor->keepRows().empty());
}

TEST_F(ScanFilterEditorTest, DetectedTextAnsweredYesMovesLowerCased) {
    open("", "", {"txt", "nfo"});
    m_prompt.answers = {Answer::Yes};
    m_editor->addNew("TXT");
    EXPECT_EQ(m_prompt.messages, Entries{kQuestion});
    EXPECT_EQ(m_editor->detectedRows(), Entries{"nfo"});
    EXPECT_EQ(m_editor->keepRows(), Entries{"txt"});
    EXPECT_EQ(m_detected, (Entries{"txt", "nfo"})) << "only OK empties the detected extensions";
}

TEST_F(ScanFilterEditorTest, DetectedTextAnsweredNoChangesNothing) {
    open("", "", {"txt", "nfo"});
    m_prompt.answers = {Answer::No};
    m_editor->addNew("Txt");
    EXPECT_EQ(m_prompt.messages, Entries{kQuestion});
    EXPECT_EQ(m_editor->detectedRows(), (Entries{"nfo", "txt"}));
    EXPECT_TRUE(m_editor->keepRows().empty());
}

TEST_F(ScanFilterEditorTest, AddSelectedMovesRowsToTheTopAndRewritesTheSkipList) {
    open("mp3\r\n", "tmp\r\nnfo\r\n", {"nfo", "txt", "doc"});
    ASSERT_EQ(m_editor->detectedRows(), (Entries{"doc", "txt", "nfo"}));
    const std::string keepBefore = keepFile();
    m_editor->addSelected({2, 0, 0, 7});
    EXPECT_EQ(m_editor->keepRows(), (Entries{"nfo", "doc", "mp3"}));
    EXPECT_EQ(m_editor->detectedRows(), Entries{"txt"});
    EXPECT_EQ(m_lists.skipList(), Entries{"tmp"});
    EXPECT_EQ(skipFile(), "tmp\r\n");
    EXPECT_EQ(keepFile(), keepBefore);
    EXPECT_EQ(m_lists.keepList(), Entries{"mp3"});
}

TEST_F(ScanFilterEditorTest, RemoveSelectedMovesRowsBackAndRewritesTheKeepList) {
    open("avi\r\njpg\r\n", "", {"txt"});
    m_editor->addNew("PNG");  // lower-cased past the detected row
    m_editor->addNew("Gif Pic");
    ASSERT_EQ(m_editor->keepRows(), (Entries{"gif pic", "png", "jpg", "avi"}));
    m_editor->removeSelected({2, 9});
    EXPECT_EQ(m_editor->detectedRows(), (Entries{"jpg", "txt"}));
    EXPECT_EQ(m_editor->keepRows(), (Entries{"gif pic", "png", "avi"}));
    EXPECT_EQ(keepFile(), "gif pic\r\npng\r\navi\r\n");
    EXPECT_EQ(m_lists.keepList(), (Entries{"gif pic", "png", "avi"}));
}

TEST_F(ScanFilterEditorTest, RemoveWritesRowsTypedInCapitalsLowerCased) {
    open("avi\r\n", "");
    m_editor->addNew("MKV");
    m_editor->removeSelected({1});
    EXPECT_EQ(m_editor->keepRows(), Entries{"MKV"});
    EXPECT_EQ(keepFile(), "mkv\r\n");
    EXPECT_EQ(m_lists.keepList(), Entries{"mkv"});
}

TEST_F(ScanFilterEditorTest, OkWithoutChangesWritesTheKeepListReversed) {
    open("avi\r\njpg\nmp3", "tmp\r\n");
    ASSERT_TRUE(m_editor->accept());
    EXPECT_EQ(keepFile(), "mp3\r\njpg\r\navi\r\n");
    EXPECT_EQ(skipFile(), "tmp\r\n");
    Entries detected;
    EXPECT_EQ(m_lists.decide("song.MP3", false, detected), FilterDecision::Record);
}

TEST_F(ScanFilterEditorTest, OkWithNoKeptRowsWritesAnEmptyKeepList) {
    open("avi\r\n", "");
    m_editor->removeSelected({0});
    ASSERT_TRUE(m_editor->accept());
    EXPECT_TRUE(std::filesystem::exists(keepPath()));
    EXPECT_EQ(keepFile(), "");
    EXPECT_TRUE(m_lists.keepList().empty());

    // The next scan then records only files without an extension and detects all others.
    Entries detected;
    EXPECT_EQ(m_lists.decide("README", false, detected), FilterDecision::Record);
    EXPECT_EQ(m_lists.decide("movie.mkv", false, detected), FilterDecision::Skip);
    EXPECT_EQ(detected, Entries{"mkv"});
}

TEST_F(ScanFilterEditorTest, OkTurnsDetectedRowsLeftAloneIntoSkipEntries) {
    open("mp3\r\n", "tmp\r\n", {"txt", "NFO", "doc"});
    m_editor->addSelected({0});  // doc
    ASSERT_TRUE(m_editor->accept());
    EXPECT_EQ(skipFile(), "tmp\r\nnfo\r\ntxt\r\n");
    EXPECT_EQ(keepFile(), "doc\r\nmp3\r\n");
    EXPECT_TRUE(m_detected.empty());

    Entries detected;
    for (const char* name : {"a.txt", "b.nfo", "c.doc"}) {
        EXPECT_EQ(m_lists.decide(name, false, detected),
                  std::string(name) == "c.doc" ? FilterDecision::Record : FilterDecision::Skip);
    }
    EXPECT_TRUE(detected.empty()) << "skipped extensions are never reported again";
}

TEST_F(ScanFilterEditorTest, ClosingWithoutOkKeepsWhatWasWrittenAndTheDetectedExtensions) {
    open("mp3\r\n", "txt\r\n", {"txt", "doc"});
    m_editor->addSelected({1});  // txt, also on the skip list
    m_editor.reset();
    EXPECT_EQ(skipFile(), "");
    EXPECT_EQ(keepFile(), "mp3\r\n");
    EXPECT_EQ(m_detected, (Entries{"txt", "doc"}));
}

TEST_F(ScanFilterEditorTest, AFailedKeepListWriteIsReportedAndOkCanBeRetried) {
    open("mp3\r\n", "tmp\r\n", {"txt"});
    std::filesystem::remove(keepPath());
    std::filesystem::create_directories(keepPath() + "/in-the-way");

    EXPECT_FALSE(m_editor->accept());
    ASSERT_EQ(m_prompt.messages.size(), 1u);
    EXPECT_TRUE(m_prompt.messages[0].starts_with("Could not write the scan filter list \"" +
                                                 keepPath() + "\": "))
        << m_prompt.messages[0];
    EXPECT_EQ(m_detected, Entries{"txt"});
    EXPECT_EQ(skipFile(), "tmp\r\n");

    std::filesystem::remove_all(keepPath());
    EXPECT_TRUE(m_editor->accept());
    EXPECT_EQ(keepFile(), "mp3\r\n");
    EXPECT_EQ(skipFile(), "tmp\r\ntxt\r\n");
}

TEST_F(ScanFilterEditorTest, AFailedSkipListWriteDoesNotAppendTwiceOnRetry) {
    open("mp3\r\n", "tmp\r\n", {"txt"});
    std::filesystem::remove(skipPath());
    std::filesystem::create_directories(skipPath() + "/in-the-way");

    EXPECT_FALSE(m_editor->accept());
    ASSERT_EQ(m_prompt.messages.size(), 1u);
    EXPECT_TRUE(m_prompt.messages[0].starts_with("Could not write the scan filter list \"" +
                                                 skipPath() + "\": "))
        << m_prompt.messages[0];
    EXPECT_EQ(m_lists.skipList(), Entries{"tmp"});

    std::filesystem::remove_all(skipPath());
    EXPECT_TRUE(m_editor->accept());
    EXPECT_EQ(skipFile(), "tmp\r\ntxt\r\n");
    EXPECT_TRUE(m_detected.empty());
}

TEST_F(ScanFilterEditorTest, AnExtensionOutsideTheCodePageIsReportedOnOk) {
    open("mp3\r\n", "");
    m_editor->addNew("\u65E5\u672C");
    EXPECT_FALSE(m_editor->accept());
    EXPECT_EQ(m_prompt.messages,
              Entries{"Could not write the scan filter list \"" + keepPath() +
                      "\": an extension holds a character that the code page cannot store. The "
                      "file on disk was not changed."});
    EXPECT_EQ(keepFile(), "mp3\r\n");
}

// Another scan's filter dialog may have written the skip list since this one was loaded: what
// it added stays when this dialog adds and takes away its own.
TEST_F(ScanFilterEditorTest, SkipListChangesKeepWhatAnotherProgramWroteMeanwhile) {
    open("mp3\r\n", "tmp\r\n", {"txt", "doc"});
    test::writeFile(skipPath(), "tmp\r\nbak\r\ndoc\r\n");
    m_editor->addSelected({1});  // txt
    EXPECT_EQ(skipFile(), "tmp\r\nbak\r\ndoc\r\n");
    m_editor->addSelected({0});  // doc
    EXPECT_EQ(skipFile(), "tmp\r\nbak\r\n");
    test::writeFile(skipPath(), "tmp\r\nbak\r\niso\r\n");
    m_editor->removeSelected({0});  // doc back to the detected rows
    ASSERT_TRUE(m_editor->accept());
    EXPECT_EQ(skipFile(), "tmp\r\nbak\r\niso\r\ndoc\r\n");
    EXPECT_EQ(m_lists.skipList(), (Entries{"tmp", "bak", "iso", "doc"}));
}

}  // namespace
}  // namespace vorlix
