#include "scan/database_optimizer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "core/catalog.h"
#include "core/code_page.h"
#include "scan/filter_lists.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using Names = std::vector<std::string>;

// Remembers the extensions offered and moves the ones it is told to onto the keep list, as the
// user of the scan filter dialog would.
struct RecordingReview final : ExtensionReview {
    std::vector<Names> offered;
    Names keep;
    void review(FilterLists& lists, std::vector<std::string>& detected) override {
        offered.push_back(detected);
        for (const std::string& extension : keep) {
            lists.keepList().push_back(extension);
        }
    }
};

// Two discs of entries over filter lists in a folder of their own.
struct OptimizerRig {
    OptimizerRig() {
        addDisc("1", {"archive.tar.gz", "README", "notes.", "Song.MP3", "clip.avi"});
        addDisc("2", {"cover.JPG", "tune.mp3", "setup.exe", "LICENSE"});
    }

    void addDisc(const std::string& number, const Names& names) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        for (const std::string& name : names) {
            disc->files.emplace_back(name, "d:\\", "1", "d:");
        }
        catalogue.appendDisc(std::move(disc));
    }

    void writeLists(std::string_view keep, std::string_view skip) {
        test::writeFile(dir.file("ext.txt"), keep);
        test::writeFile(dir.file("noscan.txt"), skip);
    }

    void setFlags(std::uint32_t delNoExt, std::uint32_t check) {
        settings.writeNumber(setting::kSettingsKey, setting::kDelNoExt, delNoExt);
        settings.writeNumber(setting::kSettingsKey, setting::kOptimizationCheck, check);
    }

    Names names() const {
        Names all;
        for (const auto& disc : catalogue.discs) {
            for (const auto& entry : disc->files) {
                all.emplace_back(entry.name());
            }
        }
        return all;
    }

    // Confirms and removes as the menu command does; the counts, or none when stopped.
    std::optional<OptimizationCounts> optimize() {
        if (!optimizer.confirm(catalogue)) {
            return std::nullopt;
        }
        return optimizer.removeEntries(catalogue);
    }

    test::TempDir dir;
    Windows1252 codePage;
    FilterLists lists{dir.path() + "/", codePage};
    test::MemorySettings settings;
    test::ScriptedPrompt prompt;
    RecordingReview review;
    DatabaseOptimizer optimizer{lists, settings, prompt, review};
    CQXCatalog catalogue;
};

class DatabaseOptimizerTest : public testing::Test, public OptimizerRig {};

TEST_F(DatabaseOptimizerTest, RemovesWhatTheKeepListLacksCountsAndShowsBothTexts) {
    writeLists("mp3\r\njpg\r\n", "exe\r\n");
    setFlags(0, 1);
    prompt.answers = {Answer::Yes, Answer::Yes};

    const auto counts = optimize();
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->all, 9u);
    EXPECT_EQ(counts->removed, 4u);
    // gz, the empty extension of "notes.", avi and exe go; names without "." stay.
    EXPECT_EQ(names(), (Names{"README", "Song.MP3", "cover.JPG", "tune.mp3", "LICENSE"}));
    EXPECT_EQ(review.offered, std::vector<Names>{(Names{"gz", "", "avi"})});
    const std::vector<test::Shown> expected = {
        {"Database Optimization Checksum\n----------------------------------------\n"
         "All Files:                 9\nTo be Removed:   4\nRemaining Files:    5\n"
         "-----------------\nContinue?",
         MessageIcon::Information, Buttons::YesNo},
        {std::string(kOptimizeQuestion), MessageIcon::None, Buttons::YesNo},
        {"Files Starting:        9\nFiles Removed:     4\nFiles Remaining:    5\n"
         "-----------------\nDatabase Optimized.",
         MessageIcon::Information, std::nullopt},
    };
    EXPECT_EQ(prompt.shown, expected);

    // A second run right after finds nothing left to remove.
    prompt.shown.clear();
    prompt.answers = {Answer::Yes, Answer::Yes};
    const auto again = optimize();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->removed, 0u);
    EXPECT_EQ(again->all, 5u);
    EXPECT_EQ(review.offered.size(), 1u) << "nothing unknown is left to review";
}

TEST_F(DatabaseOptimizerTest, TheRuleFollowsTheKeepListTheReviewAndDelNoExt) {
    struct Case {
        std::string what;
        std::string keep;
        Names reviewKeeps;
        std::uint32_t delNoExt;
        Names left;
    };
    const std::vector<Case> cases = {
        {"empty keep list", "", {}, 0, {"README", "LICENSE"}},
        {"empty keep list, delnoext", "", {}, 1, {}},
        {"an empty line keeps \"notes.\"",
         "mp3\r\n\r\n",
         {},
         0,
         {"README", "notes.", "Song.MP3", "tune.mp3", "LICENSE"}},
        {"the review keeps gz", "mp3\r\n", {"gz"}, 1, {"archive.tar.gz", "Song.MP3", "tune.mp3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OptimizerRig fresh;
        fresh.writeLists(c.keep, "");
        fresh.setFlags(c.delNoExt, 0);
        fresh.review.keep = c.reviewKeeps;
        fresh.prompt.answers = {Answer::Yes};
        ASSERT_TRUE(fresh.optimize());
        EXPECT_EQ(fresh.names(), c.left);
    }
}

TEST_F(DatabaseOptimizerTest, NoAtEitherQuestionOrUnreadableListsRemoveNothing) {
    const Names before = names();
    writeLists("mp3\r\n", "");
    setFlags(0, 1);
    for (const std::deque<Answer>& answers :
         {std::deque<Answer>{Answer::No}, std::deque<Answer>{Answer::Yes, Answer::No}}) {
        prompt.answers = answers;
        EXPECT_FALSE(optimize());
        EXPECT_EQ(names(), before);
    }

    // A keep list that cannot be read would count as empty and take every entry with it.
    std::filesystem::remove(dir.file("ext.txt"));
    std::filesystem::create_directory(dir.file("ext.txt"));
    prompt.messages.clear();
    prompt.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(optimize());
    EXPECT_EQ(names(), before);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages.front().find("ext.txt"), std::string::npos)
        << prompt.messages.front();
}

}  // namespace
}  // namespace vorlix
