#include "core/database_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalog.h"

namespace vorlix {
namespace {

struct DiscShape {
    std::string size;
    std::string location = "home";
    std::string shared = "No";
    int files = 0;
};

CQXCatalog catalogueOf(const std::vector<DiscShape>& shapes) {
    CQXCatalog catalogue;
    int number = 0;
    for (const DiscShape& shape : shapes) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(++number));
        disc->setOwnerName("owner " + std::string(disc->number()));
        disc->setSize(shape.size);
        disc->setLocation(shape.location);
        disc->setShared(shape.shared);
        for (int i = 0; i < shape.files; ++i) {
            disc->files.emplace_back("f", "d:\\", "1", "d:");
        }
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

TEST(DatabaseSizeText, SumsWholeMegabytesAndSwitchesToGigabytesAboveAThousand) {
    struct Case {
        std::vector<std::string> sizes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {{}, "0 MB"},
        {{"1000"}, "1000 MB"},
        {{"1001"}, "1 GB"},
        {{"3072"}, "3 GB"},
        {{"702.900", "297.999"}, "999 MB"},  // only the whole part counts
        {{"abc", "12abc", " 5", ""}, "12 MB"},
        {{"1000", "536"}, "2 GB"},  // 1536 / 1024 = 1.5, rounded as printf rounds
        {{"2560"}, "2 GB"},         // 2.5 rounds to even
        {{"4700", "4700"}, "9 GB"},
    };
    for (const Case& c : cases) {
        std::vector<DiscShape> shapes;
        for (const std::string& size : c.sizes) {
            shapes.push_back({size});
        }
        EXPECT_EQ(databaseSizeText(catalogueOf(shapes)), c.text) << testing::PrintToString(c.sizes);
    }
}

TEST(DatabaseInfoFigures, CountTheWholeCatalogue) {
    CQXCatalog catalogue = catalogueOf({{"700", "home", "Yes", 3},
                                        {"650", "Anna", "No", 0},
                                        {"4000", "virtual", "Yes", 2},
                                        {"1", "home", "No", 1}});
    catalogue.categories = {"Music", "Films"};
    const DatabaseInfo info = databaseInfo(catalogue);
    EXPECT_EQ(info.owner, "owner 1");
    EXPECT_EQ(info.files, 6u);
    EXPECT_EQ(info.discs, 4u);
    EXPECT_EQ(info.shared, 2u);
    EXPECT_EQ(info.available, 2u);
    EXPECT_EQ(info.nonAvailable, 2u);
    EXPECT_EQ(info.categories, 2u);
    EXPECT_EQ(info.size, "5 GB");

    const DatabaseInfo empty = databaseInfo(CQXCatalog{});
    EXPECT_EQ(empty.owner, "");
    EXPECT_EQ(empty.discs, 0u);
    EXPECT_EQ(empty.size, "0 MB");
}

}  // namespace
}  // namespace vorlix
