#include "scan/filter_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/code_page.h"
#include "core/text_case.h"
#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using Entries = std::vector<std::string>;

class FilterListsTest : public testing::Test {
protected:
    void SetUp() override {
        // Windows-1252 bytes, as the files hold them; no end on the last line.
        test::writeFile(m_dir.file("ext.txt"), "mp3\r\ncda\nAvi\r\n\xE4\xF6\xFC");
        test::writeFile(m_dir.file("noscan.txt"), "tmp\r\ndb\r\n");
        ASSERT_TRUE(test::succeeded(m_lists.load()));
    }

    test::TempDir m_dir;
    Windows1252 m_codePage;
    FilterLists m_lists{m_dir.path() + "/", m_codePage};
};

TEST_F(FilterListsTest, LoadsBothListsInFileOrder) {
    EXPECT_EQ(m_lists.keepList(), (Entries{"mp3", "cda", "Avi", "\u00E4\u00F6\u00FC"}));
    EXPECT_EQ(m_lists.skipList(), (Entries{"tmp", "db"}));
}

TEST_F(FilterListsTest, AFailedLoadNamesTheFileAndKeepsBothLists) {
    const Entries keep = m_lists.keepList();
    test::writeFile(m_dir.file("ext.txt"), "zip\r\n");
    std::filesystem::remove(m_dir.file("noscan.txt"));
    EXPECT_TRUE(test::failedWith(m_lists.load(), "Could not read the scan filter list \"" +
                                                     m_dir.file("noscan.txt") +
                                                     "\": No such file or directory."));
    EXPECT_EQ(m_lists.keepList(), keep);
    EXPECT_EQ(m_lists.skipList(), (Entries{"tmp", "db"}));
}

TEST_F(FilterListsTest, RewritesEachListIntoItsOwnFile) {
    m_lists.keepList() = {"zip", "rar"};
    m_lists.skipList().clear();
    ASSERT_TRUE(test::succeeded(m_lists.writeKeepList()));
    ASSERT_TRUE(test::succeeded(m_lists.writeSkipList()));
    EXPECT_EQ(test::readFile(m_dir.file("ext.txt")), "zip\r\nrar\r\n");
    EXPECT_EQ(test::readFile(m_dir.file("noscan.txt")), "");
}

struct DecisionCase {
    const char* name;
    std::string fileName;
    bool skipWithoutExtension;
    FilterDecision decision;
    Entries detected;
};

class FilterDecisionTest : public FilterListsTest,
                           public testing::WithParamInterface<DecisionCase> {};

TEST_P(FilterDecisionTest, DecidesByTheLowerCasedExtension) {
    Entries detected;
    EXPECT_EQ(m_lists.decide(GetParam().fileName, GetParam().skipWithoutExtension, detected),
              GetParam().decision);
    EXPECT_EQ(detected, GetParam().detected);
}

constexpr auto kRecord = FilterDecision::Record;
constexpr auto kSkip = FilterDecision::Skip;

INSTANTIATE_TEST_SUITE_P(
    Names, FilterDecisionTest,
    testing::Values(DecisionCase{"Kept", "Song.mp3", false, kRecord, {}},
                    DecisionCase{"KeptInCapitals", "SONG.MP3", true, kRecord, {}},
                    DecisionCase{"AudioTrack", "Track01.cda", false, kRecord, {}},
                    DecisionCase{"KeptNonAscii", "Liste.\u00C4\u00D6\u00DC", false, kRecord, {}},
                    DecisionCase{"Skipped", "~x.TMP", false, kSkip, {}},
                    DecisionCase{"Detected", "notes.Txt", false, kSkip, {"txt"}},
                    DecisionCase{"LastDotCounts", "backup.mp3.gz", false, kSkip, {"gz"}},
                    DecisionCase{"DotOnly", ".hidden", false, kSkip, {"hidden"}},
                    DecisionCase{"EmptyExtension", "name.", false, kSkip, {""}},
                    // Entries are compared exactly, so one written with capitals never matches.
                    DecisionCase{"CapitalEntryNeverMatches", "movie.Avi", false, kSkip, {"avi"}},
                    DecisionCase{"NoExtensionRecorded", "README", false, kRecord, {}},
                    DecisionCase{"NoExtensionSkipped", "README", true, kSkip, {}}),
    [](const testing::TestParamInfo<DecisionCase>& info) { return std::string(info.param.name); });

TEST_F(FilterListsTest, CollectsEachDetectedExtensionOnceInOrderMet) {
    Entries detected{"doc"};
    for (const char* name : {"a.txt", "b.DOC", "c.TXT", "d.tmp", "e.nfo", "f.mp3"}) {
        m_lists.decide(name, false, detected);
    }
    EXPECT_EQ(detected, (Entries{"doc", "txt", "nfo"}));
}

TEST(InstallationFilterListsTest, AreWellFormedDisjointAndKeepAudioTracks) {
    const std::string folder = std::string(VORLIX_SOURCE_DIR) + "/data/";
    for (const char* name : {"ext.txt", "noscan.txt"}) {
        const std::string bytes = test::readFile(folder + name);
        ASSERT_TRUE(bytes.ends_with("\r\n")) << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            EXPECT_EQ(bytes[i] == '\n', i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
        }
    }
    const Windows1252 codePage;
    FilterLists lists(folder, codePage);
    ASSERT_TRUE(test::succeeded(lists.load()));
    std::set<std::string> seen;
    for (const Entries* list : {&lists.keepList(), &lists.skipList()}) {
        for (const std::string& entry : *list) {
            EXPECT_FALSE(entry.empty());
            EXPECT_EQ(entry.find_first_of(". \t\r"), std::string::npos) << entry;
            EXPECT_EQ(lowerCase(entry), entry);
            EXPECT_TRUE(seen.insert(entry).second) << entry << " is listed twice";
        }
    }
    // Audio CDs are only recognised when their track files are recorded.
    Entries detected;
    for (const char* kept : {"Track01.cda", "a.mp3", "a.avi", "a.jpg", "a.pdf", "a.zip", "a.exe"}) {
        EXPECT_EQ(lists.decide(kept, false, detected), FilterDecision::Record) << kept;
    }
    for (const char* skipped :
         {"a.tmp", "a.bak", "Thumbs.db", "desktop.ini", "a.dll", "a.sys", "a.log"}) {
        EXPECT_EQ(lists.decide(skipped, false, detected), FilterDecision::Skip) << skipped;
    }
    EXPECT_TRUE(detected.empty());
}

}  // namespace
}  // namespace vorlix
