#include "core/catalog.h"

#include <gtest/gtest.h>

#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

std::unique_ptr<CQXDisc> disc(std::string number, std::string name = "X") {
    auto d = std::make_unique<CQXDisc>();
    d->setNumber(std::move(number));
    d->setName(std::move(name));
    d->setOutline(std::string(d->number()) + " " + std::string(d->name()) + "\r\n");
    return d;
}

CQXCatalog catalogueOf(std::initializer_list<const char*> numbers) {
    CQXCatalog catalogue;
    for (const char* number : numbers) {
        catalogue.appendDisc(disc(number));
    }
    return catalogue;
}

std::vector<std::string> numbers(const CQXCatalog& catalogue) {
    std::vector<std::string> result;
    for (const auto& d : catalogue.discs) {
        result.emplace_back(d->number());
    }
    return result;
}

struct RenumberCase {
    std::vector<const char*> before;
    std::string from, to;
    std::vector<std::string> after;
    std::string returned;
    bool refused;
};

class RenumberTest : public ::testing::TestWithParam<RenumberCase> {};

TEST_P(RenumberTest, PlacesTheDiscAfterTheNearestLowerNumber) {
    const RenumberCase& c = GetParam();
    CQXCatalog catalogue;
    for (const char* number : c.before) {
        catalogue.appendDisc(disc(number));
    }
    test::ScriptedPrompt prompt;
    EXPECT_EQ(catalogue.renumberDisc(c.from, c.to, prompt), c.returned);
    EXPECT_EQ(numbers(catalogue), c.after);
    if (c.refused) {
        EXPECT_EQ(prompt.messages, std::vector<std::string>{std::string(kSameNumberMessage)});
    } else {
        EXPECT_TRUE(prompt.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenumberTest,
    ::testing::Values(
        RenumberCase{{"1", "2", "5", "7", "10"}, "5", "9", {"1", "2", "7", "9", "10"}, "7", false},
        RenumberCase{{"1", "2", "5", "7", "10"}, "5", "2", {"1", "2", "5", "7", "10"}, "0", true},
        RenumberCase{{"2", "5", "7"}, "5", "1", {"1", "2", "7"}, "0", false},
        RenumberCase{{"2", "5", "7"}, "5", "A1", {"A1", "2", "7"}, "0", false},
        RenumberCase{{"2", "5", "7"}, "5", "-3", {"-3", "2", "7"}, "0", false},
        // A number that is not in "%d" form is not found by value.
        RenumberCase{{"007", "5"}, "5", "9", {"9", "007"}, "0", false},
        // A disc numbered 0 is the last one looked for.
        RenumberCase{{"0", "5", "7"}, "7", "3", {"0", "3", "5"}, "0", false},
        // Counting down from a huge number must find the nearest disc without looping.
        RenumberCase{{"3", "8", "5"}, "5", "2147483647", {"3", "8", "2147483647"}, "8", false},
        // With two discs of the found number the first in list order is the anchor.
        RenumberCase{{"4", "9", "4"}, "9", "6", {"4", "6", "4"}, "4", false}));

TEST(CQXCatalogTest, RenumberRewritesEveryOutlineLineWithNumberAndName) {
    CQXCatalog catalogue;
    auto d = disc("3", "X");
    d->setOutline("3 X\r\n\tdocs\r\n\t3 X\r\n\t13 Xylophone\r\n");
    catalogue.appendDisc(std::move(d));
    test::ScriptedPrompt prompt;
    catalogue.renumberDisc("3", "12", prompt);
    EXPECT_EQ(catalogue.discs[0]->outline(), "12 X\r\n\tdocs\r\n\t12 X\r\n\t112 Xylophone\r\n");
}

TEST(CQXCatalogTest, RenameRewritesOnlyTheFirstOutlineLine) {
    struct Case {
        std::string outline, name, expected;
    };
    const Case cases[] = {
        {"12 BACKUP\r\n\tdocs\r\n", "OLD DOCS", "12 OLD DOCS\r\n\tdocs\r\n"},
        {"", "NEW", " NEW"},
        {"12 BACKUP", "NEW", "12 NEW12 BACKUP"},
        {"12\r\n\tdocs\r\n", "NEW", " NEW\r\n\tdocs\r\n"},
    };
    for (const Case& c : cases) {
        CQXCatalog catalogue;
        auto d = disc("12", "BACKUP");
        d->setOutline(c.outline);
        catalogue.appendDisc(std::move(d));
        catalogue.renameDisc("12", c.name);
        EXPECT_EQ(catalogue.discs[0]->outline(), c.expected) << c.outline;
        EXPECT_EQ(catalogue.discs[0]->name(), c.name);
    }
}

TEST(CQXCatalogTest, LooksDiscsUpByExactTextAndFirstInListOrder) {
    CQXCatalog catalogue = catalogueOf({"1", "12", "12", "007"});
    catalogue.discs[2]->setName("second");
    EXPECT_EQ(catalogue.findDisc("12"), catalogue.discs[1].get());
    EXPECT_EQ(catalogue.findDisc("7"), nullptr);
    EXPECT_TRUE(catalogue.discExists("007"));

    catalogue.removeDisc("12");
    EXPECT_EQ(numbers(catalogue), (std::vector<std::string>{"1", "12", "007"}));
    EXPECT_EQ(catalogue.findDisc("12")->name(), "second");
    catalogue.removeDisc("99");
    catalogue.renameDisc("99", "none");
    catalogue.setDiscDetails("99", "a", "q", "i");
    EXPECT_EQ(catalogue.discs.size(), 3u);
}

TEST(CQXCatalogTest, SetDiscDetailsChangesArtistQualityAndInfoOnly) {
    CQXCatalog catalogue = catalogueOf({"1"});
    catalogue.setDiscDetails("1", "Miles", "good", "<info/>");
    const CQXDisc& d = *catalogue.discs[0];
    EXPECT_EQ(d.artist(), "Miles");
    EXPECT_EQ(d.quality(), "good");
    EXPECT_EQ(d.info(), "<info/>");
    EXPECT_EQ(d.name(), "X");
}

TEST(CQXCatalogTest, DefaultNamedObjectsOnlyFillAnEmptyMap) {
    CQXCatalog fresh;
    fresh.addDefaultNamedObjects();
    ASSERT_EQ(fresh.named.size(), 3u);
    EXPECT_TRUE(std::get<StringList>(*fresh.named.find("SearchCombo")).items.empty());
    EXPECT_TRUE(std::get<StringList>(*fresh.named.find("LendCombo")).items.empty());
    const auto& cddb = std::get<StringMap>(*fresh.named.find("CDDB"));
    ASSERT_NE(cddb.find("active"), nullptr);
    EXPECT_EQ(*cddb.find("active"), "gnudb.gnudb.org (Central Server)");

    CQXCatalog partial;
    partial.named.set("CD1", ByteArray{{1, 2}});
    partial.addDefaultNamedObjects();
    EXPECT_EQ(partial.named.size(), 1u);
}

// The map's lookups are hashed, so its order and its answers must stay those of a plain list
// through growth, replacement and removal.
TEST(InsertionOrderedMapTest, KeepsFirstInsertionOrderThroughGrowthReplaceAndRemove) {
    StringMap map;
    std::vector<std::pair<std::string, std::string>> expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string key = "k" + std::to_string((i * 7919) % 5000);
        map.set(key, "v" + std::to_string(i));
        expected.emplace_back(key, "v" + std::to_string(i));
    }
    map.set("k0", "replaced");
    expected[0].second = "replaced";
    for (int i = 0; i < 5000; i += 3) {
        const std::string key = "k" + std::to_string(i);
        EXPECT_TRUE(map.remove(key));
        EXPECT_FALSE(map.remove(key));
        std::erase_if(expected, [&](const auto& entry) { return entry.first == key; });
    }
    map.set("", "empty key");
    expected.emplace_back("", "empty key");

    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& [key, value] : map.entries()) {
        entries.emplace_back(key.str(), value.str());
    }
    EXPECT_EQ(entries, expected);
    for (const auto& [key, value] : expected) {
        ASSERT_NE(map.find(key), nullptr) << key;
        EXPECT_EQ(*map.find(key), value);
    }
    EXPECT_EQ(map.find("k3"), nullptr);
    EXPECT_EQ(map.find("missing"), nullptr);
    const StringMap copy = map;
    EXPECT_EQ(*copy.find("k1"), *map.find("k1"));
}

}  // namespace
}  // namespace vorlix
