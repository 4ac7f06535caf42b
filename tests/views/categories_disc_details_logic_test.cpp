#include <gtest/gtest.h>

#include "core/catalog.h"
#include "views/logic/categories_cover_thumbnail.h"
#include "views/logic/categories_disc_details.h"

namespace vorlix {
namespace {

TEST(CategoryDiscDetails, ReadsNotesPricesAndCoverKind) {
    const DiscDetails priced = discDetails(
        "<info>\r\n<notes>a &lt; b</notes>\r\n<price date=\"June 01, 2004\">\r\n<new>$12.99</new>"
        "\r\n<used></used>\r\n</price>\r\n<ASIN>B0</ASIN>\r\n<mode>software</mode>\r\n</info>");
    EXPECT_EQ(priced.notes, "a < b");
    EXPECT_EQ(priced.newPrice, "$12.99");
    EXPECT_EQ(priced.usedPrice, "N/A");
    EXPECT_TRUE(priced.portraitCover);

    const DiscDetails plain = discDetails("Old notes <b>\r\nwith two lines");
    EXPECT_EQ(plain.notes, "Old notes <b>\r\nwith two lines");
    EXPECT_EQ(plain.newPrice, "N/A");
    EXPECT_EQ(plain.usedPrice, "N/A");
    EXPECT_FALSE(plain.portraitCover);
}

TEST(CategoryDiscDetails, NotesKeepCrLfInTheRecordAndLfInTheField) {
    EXPECT_EQ(notesForEditing("a\r\nb\nc"), "a\nb\nc");
    EXPECT_EQ(notesForRecord("a\nb\r\nc"), "a\r\nb\r\nc");
}

struct SizeCase {
    int width;
    bool portrait;
    std::optional<ThumbnailSize> size;
};

TEST(CategoryCoverThumbnail, ResamplesWideCoversByKind) {
    const std::vector<SizeCase> cases = {
        {51, true, ThumbnailSize{80, 87}},  {50, true, std::nullopt},
        {500, true, ThumbnailSize{80, 87}}, {111, false, ThumbnailSize{110, 87}},
        {110, false, std::nullopt},         {60, false, std::nullopt}};
    for (const SizeCase& c : cases) {
        const std::optional<ThumbnailSize> size = coverThumbnailSize(c.width, c.portrait);
        ASSERT_EQ(size.has_value(), c.size.has_value()) << c.width << " " << c.portrait;
        if (size) {
            EXPECT_EQ(size->width, c.size->width);
            EXPECT_EQ(size->height, c.size->height);
        }
    }
}

TEST(CategoryCoverThumbnail, FindsTheCoverByDiscNumber) {
    CQXCatalog catalogue;
    catalogue.named.set("CD12", ByteArray{{1, 2, 3}});
    catalogue.named.set("CD13", StringList{});
    ASSERT_NE(coverBytes(catalogue, "12"), nullptr);
    EXPECT_EQ(coverBytes(catalogue, "12")->size(), 3u);
    EXPECT_EQ(coverBytes(catalogue, "13"), nullptr);
    EXPECT_EQ(coverBytes(catalogue, "1"), nullptr);
}

}  // namespace
}  // namespace vorlix
