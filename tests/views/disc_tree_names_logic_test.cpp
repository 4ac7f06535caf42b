#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/disc.h"
#include "core/file_data.h"
#include "views/logic/disc_tree_names.h"
#include "views/logic/disc_tree_visibility.h"

namespace vorlix {
namespace {

TEST(DiscTreeNames, CleaningDropsALeadingDiscNumberOnly) {
    struct Case {
        const char* edited;
        const char* expected;
    };
    const Case cases[] = {
        {"7 Holidays", "Holidays"},
        {"12 NEWNAME", "NEWNAME"},
        {"-3 Minus", "Minus"},
        {"7a Holidays", "Holidays"},
        {"0 Holidays", "0 Holidays"},
        {"Holidays 2004", "Holidays 2004"},
        {"Summer", "Summer"},
        {"12 two words", "two words"},
        {"", "BACKUP"},
        {"12 ", "BACKUP"},
        {"BACKUP", "BACKUP"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cleanDiscName(c.edited, "BACKUP"), c.expected) << c.edited;
    }
}

TEST(DiscTreeNames, ItemTextsAndPaths) {
    EXPECT_EQ(discNumberOfItem("12 BACKUP"), "12");
    EXPECT_EQ(discNumberOfItem("12 TWO WORDS"), "12");
    EXPECT_EQ(discNumberOfItem("12"), "12");
    EXPECT_EQ(discItemText("12", "BACKUP"), "12 BACKUP");
    EXPECT_EQ(discItemText("10", ""), "10 ");

    EXPECT_EQ(joinItemPath({"12 BACKUP", "docs", "old"}), "12 BACKUP\\docs\\old");
    EXPECT_EQ(joinItemPath({"12 BACKUP"}), "12 BACKUP");
    EXPECT_EQ(joinItemPath({"3 C:\\", "x\\", "y"}), "3 C:\\x\\y");
    EXPECT_EQ(joinItemPath({}), "");
}

TEST(DiscTreeNames, LocatePathIsTheLowerCasedFolderBelowTheDisc) {
    DiscTexts disc;
    disc.setNumber("12");
    disc.setName("BACKUP \u00C9t\u00E9");
    struct Case {
        const char* folder;
        const char* expected;
    };
    const Case cases[] = {
        {"d:\\music\\rock\\", "12 backup \u00E9t\u00E9\\music\\rock"},
        {"D:\\Music\\", "12 backup \u00E9t\u00E9\\music"},
        {"d:\\", "12 backup \u00E9t\u00E9"},
        {"", "12 backup \u00E9t\u00E9"},
    };
    for (const Case& c : cases) {
        const CQXFileData entry("song.mp3", c.folder, "100", "d:");
        EXPECT_EQ(locatePath(disc, entry), c.expected) << c.folder;
    }
}

TEST(DiscTreeNames, CategoryFilterNeedsOneExactName) {
    DiscTexts disc;
    disc.setCategories({"Movie", "Audio"});
    EXPECT_TRUE(matchesCategoryFilter(disc, {}));
    EXPECT_TRUE(matchesCategoryFilter(disc, {"Work", "Audio"}));
    EXPECT_FALSE(matchesCategoryFilter(disc, {"movie"}));
    EXPECT_FALSE(matchesCategoryFilter(DiscTexts{}, {"Audio"}));
}

}  // namespace
}  // namespace vorlix
