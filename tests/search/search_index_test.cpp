#include "search/search_index.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/catalog.h"

namespace vorlix {
namespace {

std::unique_ptr<CQXDisc> discWithFiles(const std::string& number, int files) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName("Disc " + number);
    disc->setShared("Yes");
    for (int f = 0; f < files; ++f) {
        disc->files.emplace_back("file " + std::to_string(f) + ".txt", "d:\\", "1", "d:");
    }
    return disc;
}

CQXCatalog threeDiscs() {
    CQXCatalog catalogue;
    for (const char* number : {"1", "2", "3"}) {
        catalogue.appendDisc(discWithFiles(number, 3));
    }
    return catalogue;
}

// "number:name:files:categories of the first entry" of each disc, as the searches see them.
std::vector<std::string> seen(const CatalogueSnapshot& discs) {
    std::vector<std::string> texts;
    for (const auto& disc : *discs) {
        std::string text =
            disc->number() + ":" + disc->name() + ":" + std::to_string(disc->fileCount()) + ":";
        if (disc->fileCount() > 0) {
            for (const std::string_view category : disc->fileCategories(0)) {
                text += std::string(category) + ",";
            }
        }
        texts.push_back(text);
    }
    return texts;
}

struct EditCase {
    const char* what;
    // Edits the catalogue and reports it to the index, as the document does.
    std::function<void(CQXCatalog&, SearchIndex&)> edit;
    std::vector<std::string> seen;
};

class SearchIndexEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(SearchIndexEdits, ReachTheNextSearch) {
    CQXCatalog catalogue = threeDiscs();
    SearchIndex index;
    ASSERT_EQ(seen(index.discs(catalogue)),
              (std::vector<std::string>{"1:Disc 1:3:", "2:Disc 2:3:", "3:Disc 3:3:"}));
    GetParam().edit(catalogue, index);
    EXPECT_EQ(seen(index.discs(catalogue)), GetParam().seen) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchIndexEdits,
    ::testing::Values(
        EditCase{"a rename",
                 [](CQXCatalog& c, SearchIndex& i) {
                     c.renameDisc("2", "Other");
                     i.discChanged("2");
                 },
                 {"1:Disc 1:3:", "2:Other:3:", "3:Disc 3:3:"}},
        EditCase{"an entry given a category",
                 [](CQXCatalog& c, SearchIndex& i) {
                     c.findDisc("3")->files.front().editCategories().push_back("Work");
                     i.discChanged("3");
                 },
                 {"1:Disc 1:3:", "2:Disc 2:3:", "3:Disc 3:3:Work,"}},
        EditCase{"a category renamed everywhere",
                 [](CQXCatalog& c, SearchIndex& i) {
                     c.findDisc("1")->files.front().editCategories().push_back("Audio");
                     c.findDisc("2")->files.front().editCategories().push_back("Audio");
                     i.everythingChanged();
                 },
                 {"1:Disc 1:3:Audio,", "2:Disc 2:3:Audio,", "3:Disc 3:3:"}},
        EditCase{"the last disc deleted and a blank one made under its number",
                 [](CQXCatalog& c, SearchIndex& i) {
                     c.removeDisc("3");
                     i.discChanged("");
                     c.appendDisc(discWithFiles("3", 0));
                     i.discChanged("");
                 },
                 {"1:Disc 1:3:", "2:Disc 2:3:", "3:Disc 3:0:"}},
        EditCase{"a disc deleted and another added",
                 [](CQXCatalog& c, SearchIndex& i) {
                     c.removeDisc("1");
                     i.discChanged("");
                     c.appendDisc(discWithFiles("4", 1));
                     i.discChanged("4");
                 },
                 {"2:Disc 2:3:", "3:Disc 3:3:", "4:Disc 4:1:"}},
        EditCase{"entries removed",
                 [](CQXCatalog& c, SearchIndex& i) {
                     c.findDisc("2")->files.removeIf([](const CQXFileData&) { return true; });
                     i.discChanged("");
                 },
                 {"1:Disc 1:3:", "2:Disc 2:0:", "3:Disc 3:3:"}}));

TEST(SearchIndex, HandsOutTheSameSnapshotUntilAnEditIsReported) {
    CQXCatalog catalogue = threeDiscs();
    SearchIndex index;
    const CatalogueSnapshot first = index.discs(catalogue);
    EXPECT_EQ(index.discs(catalogue), first);
    index.discChanged("2");
    const CatalogueSnapshot second = index.discs(catalogue);
    EXPECT_NE(second, first);
    EXPECT_EQ((*second)[0], (*first)[0]) << "a disc not edited keeps its snapshot";
    EXPECT_NE((*second)[1], (*first)[1]);
}

}  // namespace
}  // namespace vorlix
