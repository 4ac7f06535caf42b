#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "app/search_query.h"
#include "core/catalog.h"
#include "search/disc_snapshot.h"
#include "search/search_findings.h"
#include "search/search_index.h"
#include "search/search_pattern.h"
#include "search/search_task.h"

namespace vorlix {
namespace {

struct File {
    const char* name;
    const char* folder;
    const char* size;
    TextList categories;
};

std::unique_ptr<CQXDisc> disc(const char* number, const char* name, const char* artist,
                              const char* shared, TextList categories, std::vector<File> files) {
    auto made = std::make_unique<CQXDisc>();
    made->setNumber(number);
    made->setName(name);
    made->setArtist(artist);
    made->setShared(shared);
    made->setLocation("home");
    made->setCategories(std::move(categories));
    for (const File& file : files) {
        made->files.emplace_back(file.name, file.folder, file.size, "d:")
            .setCategories(file.categories);
    }
    return made;
}

// Three discs: "07" shared, "7" not shared and with a "*" in its name, "12" shared with names
// outside ASCII.
CQXCatalog ruleCatalogue() {
    CQXCatalog catalogue;
    catalogue.appendDisc(disc("07", "Beatles Best", "The Beatles", "Yes", {"Music"},
                              {{"README", "d:\\docs\\", "1536", {}},
                               {"archive.tar.gz", "d:\\", "3000000000", {}},
                               {"beatles help.txt", "d:\\docs\\", "10", {"Work"}},
                               {"Abbey Road - BEATLES.mp3", "d:\\music\\", "20", {"Music", "Work"}},
                               {"a*b.txt", "d:\\", "30", {}}}));
    catalogue.appendDisc(
        disc("7", "Star*Disc", "Various", "No", {"Music", "Movie"},
             {{"beatles live.mp3", "d:\\", "1", {"Work"}}, {"Readme.md", "d:\\", "2", {}}}));
    catalogue.appendDisc(disc("12",
                              "\xC3\x91"
                              "and\xC3\xBA Fotos",
                              "", "Yes", {"Movie"},
                              {{"\xC3\x89T\xC3\x89.JPG", "d:\\photos\\", "3", {}},
                               {"Beatles.jpg", "d:\\photos\\", "4", {"Work"}}}));
    return catalogue;
}

// Records what a search found as "disc NUMBER" or "NUMBER/NAME".
class Recorded : public SearchFindings {
public:
    void discFound(const DiscSnapshot& disc) override { found.push_back("disc " + disc.number()); }
    void fileFound(const DiscSnapshot& disc, std::size_t file) override {
        found.push_back(disc.number() + "/" + std::string(disc.fileName(file)));
    }
    std::vector<std::string> found;
};

std::vector<std::string> search(const SearchParameters& parameters) {
    CQXCatalog catalogue = ruleCatalogue();
    SearchIndex index;
    Recorded recorded;
    const std::atomic<bool> stop{false};
    EXPECT_TRUE(SearchTask(parameters).run(*index.discs(catalogue), stop, recorded));
    return recorded.found;
}

SearchParameters files(std::string pattern, bool maySeeAll = true) {
    SearchParameters p;
    p.pattern = std::move(pattern);
    p.mode = kSearchFiles;
    p.scope = kScopeEverything;
    p.combinator = "And";
    p.maySeeAll = maySeeAll;
    return p;
}

SearchParameters discs(std::string pattern, bool maySeeAll = true) {
    SearchParameters p = files(std::move(pattern), maySeeAll);
    p.mode = kSearchDiscs;
    return p;
}

SearchParameters byCategory(SearchParameters p, std::string combinator,
                            std::vector<std::string> categories) {
    p.scope = kScopeByCategory;
    p.combinator = std::move(combinator);
    p.categories = std::move(categories);
    return p;
}

SearchParameters with(SearchParameters p, std::string SearchParameters::*field, std::string value) {
    p.*field = std::move(value);
    return p;
}

struct RuleCase {
    const char* what;
    SearchParameters parameters;
    std::vector<std::string> found;
};

const std::vector<std::string> kEveryVisibleFile = {"07/a*b.txt",
                                                    "07/Abbey Road - BEATLES.mp3",
                                                    "07/beatles help.txt",
                                                    "07/archive.tar.gz",
                                                    "07/README",
                                                    "12/Beatles.jpg",
                                                    "12/\xC3\x89T\xC3\x89.JPG"};

class SearchRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SearchRules, FindsWhatTheRulesSay) {
    EXPECT_EQ(search(GetParam().parameters), GetParam().found) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchRules,
    ::testing::Values(
        RuleCase{"stars at both ends go, the rest is lower-cased; disc by disc, last entry first",
                 files("*Beatles*"),
                 {"07/Abbey Road - BEATLES.mp3", "07/beatles help.txt", "7/beatles live.mp3",
                  "12/Beatles.jpg"}},
        RuleCase{"an inner star is an ordinary character", files("a*b"), {"07/a*b.txt"}},
        RuleCase{"an empty pattern is the star, an ordinary character in a file search by all",
                 files(""),
                 {"07/a*b.txt"}},
        RuleCase{"two stars leave the empty text, which every name contains",
                 files("**"),
                 {"07/a*b.txt", "07/Abbey Road - BEATLES.mp3", "07/beatles help.txt",
                  "07/archive.tar.gz", "07/README", "7/Readme.md", "7/beatles live.mp3",
                  "12/Beatles.jpg", "12/\xC3\x89T\xC3\x89.JPG"}},
        RuleCase{"names outside ASCII compare lower-cased",
                 files("\xC3\xA9t\xC3\xA9"),
                 {"12/\xC3\x89T\xC3\x89.JPG"}},
        RuleCase{"without may-see-all a disc not shared is never searched",
                 files("beatles", false),
                 {"07/Abbey Road - BEATLES.mp3", "07/beatles help.txt", "12/Beatles.jpg"}},
        RuleCase{"in-CD 7 is disc 7 only",
                 with(files("read"), &SearchParameters::discNumber, "7"),
                 {"7/Readme.md"}},
        RuleCase{"in-CD 7 does not match 07",
                 with(files("readme", false), &SearchParameters::discNumber, "7"),
                 {}},
        RuleCase{"the folder is lower-cased and looked for in the stored folder",
                 with(files("e"), &SearchParameters::folder, "DOCS"),
                 {"07/beatles help.txt", "07/README"}},
        RuleCase{"the artist narrows a file search to discs by that artist",
                 with(files("**"), &SearchParameters::artist, "BEATLES"),
                 {"07/a*b.txt", "07/Abbey Road - BEATLES.mp3", "07/beatles help.txt",
                  "07/archive.tar.gz", "07/README"}},
        RuleCase{"files by category, none chosen, pattern star: every visible entry",
                 byCategory(files("*", false), "OR", {}), kEveryVisibleFile},
        RuleCase{"files by category: every chosen category on the entry, combinator aside",
                 byCategory(files("*"), "OR", {"Work", "Music"}),
                 {"07/Abbey Road - BEATLES.mp3"}},
        RuleCase{"files by category with a name condition",
                 byCategory(files("BEATLES"), "And", {"Work"}),
                 {"07/Abbey Road - BEATLES.mp3", "07/beatles help.txt", "7/beatles live.mp3",
                  "12/Beatles.jpg"}},
        RuleCase{"an entry with fewer categories than chosen is skipped, even a repeated one",
                 byCategory(files("*"), "And", {"Work", "Work"}),
                 {"07/Abbey Road - BEATLES.mp3"}},
        RuleCase{"disc search by all: the star is an ordinary character", discs("*"), {"disc 7"}},
        RuleCase{"disc search by all, lower-cased on both sides",
                 discs("\xC3\x91"
                       "AND"),
                 {"disc 12"}},
        RuleCase{"disc search by category And, none chosen: every visible disc",
                 byCategory(discs("*", false), "And", {}),
                 {"disc 07", "disc 12"}},
        RuleCase{"disc search by category And: every chosen category",
                 byCategory(discs("*"), "And", {"Music", "Movie"}),
                 {"disc 7"}},
        RuleCase{"disc search by category OR: any chosen category, then the name",
                 byCategory(discs("s"), "OR", {"Movie"}),
                 {"disc 7", "disc 12"}},
        RuleCase{"disc search by category OR, none chosen: nothing",
                 byCategory(discs("*"), "OR", {}),
                 {}},
        RuleCase{"disc search by category with another combinator: nothing",
                 byCategory(discs("*"), "Or", {"Music"}),
                 {}},
        RuleCase{
            "an artist ignores the chosen categories",
            with(byCategory(discs("*"), "OR", {"Nothing"}), &SearchParameters::artist, "beatles"),
            {"disc 07"}},
        RuleCase{"an artist with a name condition",
                 with(discs("best"), &SearchParameters::artist, "vari"),
                 {}},
        RuleCase{"without may-see-all a disc search skips discs not shared", discs("*", false), {}},
        RuleCase{"a disc search ignores in-CD and folder",
                 with(with(discs("fotos"), &SearchParameters::discNumber, "07"),
                      &SearchParameters::folder, "nowhere"),
                 {"disc 12"}}));

struct PatternCase {
    const char* typed;
    const char* normalised;
};

class PatternNormalisation : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternNormalisation, KeepsOrDropsStars) {
    EXPECT_EQ(normalisedPattern(GetParam().typed), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PatternNormalisation,
    ::testing::Values(PatternCase{"", "*"}, PatternCase{"*", "*"}, PatternCase{"**", ""},
                      PatternCase{"***", ""}, PatternCase{"*Beatles*", "Beatles"},
                      PatternCase{"Beatles*", "Beatles"}, PatternCase{"*a*b", "ab"},
                      PatternCase{"Beat*les", "Beat*les"}, PatternCase{"x", "x"}));

}  // namespace
}  // namespace vorlix
