#include <gtest/gtest.h>

#include "core/catalog.h"
#include "views/logic/categories_names.h"

namespace vorlix {
namespace {

using Names = std::vector<std::string>;

// Two discs whose categories and file entries hold "Movie" in several places.
CQXCatalog catalogueWithMovies() {
    CQXCatalog catalogue;
    catalogue.categories = {"Audio", "Movie", "Work"};
    auto first = std::make_unique<CQXDisc>();
    first->setNumber("1");
    first->setCategories({"Movie", "Audio"});
    first->files.emplace_back("a.avi", "d:\\", "1", "d:");
    first->files.back().setCategories({"Work", "Movie"});
    first->files.emplace_back("b.txt", "d:\\", "1", "d:");
    catalogue.appendDisc(std::move(first));
    auto second = std::make_unique<CQXDisc>();
    second->setNumber("2");
    second->setCategories({"Work"});
    second->files.emplace_back("c.avi", "d:\\", "1", "d:");
    second->files.back().setCategories({"Movie"});
    catalogue.appendDisc(std::move(second));
    return catalogue;
}

TEST(CategoryNames, ExactAndCaseBlindLookups) {
    const TextList names = {"Movie", "\u00C9t\u00E9"};
    EXPECT_TRUE(holdsExactly(names, "Movie"));
    EXPECT_FALSE(holdsExactly(names, "movie"));
    EXPECT_TRUE(holdsIgnoringCase(names, "MOVIE"));
    EXPECT_TRUE(holdsIgnoringCase(names, "\u00E9T\u00C9"));
    EXPECT_FALSE(holdsIgnoringCase(names, "Movies"));
}

TEST(CategoryNames, AppendsOnlyMissingNamesAndRemovesEveryOccurrence) {
    TextList list = {"Audio"};
    EXPECT_TRUE(appendMissing(list, {"DVD", "Audio", "DVD", "audio"}));
    EXPECT_EQ(list, (Names{"Audio", "DVD", "audio"}));
    EXPECT_FALSE(appendMissing(list, {"DVD"}));

    list = {"A", "B", "A", "C"};
    EXPECT_TRUE(removeNames(list, {"A", "X"}));
    EXPECT_EQ(list, (Names{"B", "C"}));
    EXPECT_FALSE(removeNames(list, {"b"}));
}

TEST(CategoryNames, RenameReachesEveryDiscAndFileEntry) {
    CQXCatalog catalogue = catalogueWithMovies();
    renameCategoryEverywhere(catalogue, "Movie", "Films");

    EXPECT_EQ(catalogue.categories, (Names{"Audio", "Films", "Work"}));
    const CQXDisc& first = *catalogue.discs[0];
    EXPECT_EQ(first.categories(), (Names{"Films", "Audio"}));
    EXPECT_EQ(first.files[0].categories(), (Names{"Work", "Films"}));
    EXPECT_TRUE(first.files[1].categories().empty());
    EXPECT_EQ(catalogue.discs[1]->categories(), (Names{"Work"}));
    EXPECT_EQ(catalogue.discs[1]->files[0].categories(), (Names{"Films"}));
}

TEST(CategoryNames, RenameIntoANameAListAlreadyHoldsKeepsItOnce) {
    CQXCatalog catalogue = catalogueWithMovies();
    renameCategoryEverywhere(catalogue, "Movie", "Work");
    EXPECT_EQ(catalogue.discs[0]->files[0].categories(), (Names{"Work"}));
    EXPECT_EQ(catalogue.categories, (Names{"Audio", "Work"}));
}

TEST(CategoryNames, RemoveReachesEveryDiscAndFileEntry) {
    CQXCatalog catalogue = catalogueWithMovies();
    removeCategoriesEverywhere(catalogue, {"Movie", "Work"});

    EXPECT_EQ(catalogue.categories, (Names{"Audio"}));
    EXPECT_EQ(catalogue.discs[0]->categories(), (Names{"Audio"}));
    EXPECT_TRUE(catalogue.discs[1]->categories().empty());
    for (const auto& disc : catalogue.discs) {
        for (const auto& entry : disc->files) {
            EXPECT_TRUE(entry.categories().empty()) << entry.name();
        }
    }
}

TEST(CategoryNames, SortsWithoutRegardToCaseKeepingEqualNamesInOrder) {
    const Names names = {"beta", "Alpha", "alpha", "Gamma", "\u00C4rger"};
    EXPECT_EQ(sortedNames(names, true), (Names{"Alpha", "alpha", "beta", "Gamma", "\u00C4rger"}));
    EXPECT_EQ(sortedNames(names, false), (Names{"\u00C4rger", "Gamma", "beta", "Alpha", "alpha"}));
    EXPECT_EQ(displayOrder(names, true), (std::vector<std::size_t>{1, 2, 0, 3, 4}));
}

}  // namespace
}  // namespace vorlix
