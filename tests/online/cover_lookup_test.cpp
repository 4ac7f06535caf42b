#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/percent_encoding.h"
#include "core/price_block.h"
#include "online/audio_catalogue.h"
#include "online/cover_search_reply.h"
#include "online/cover_service_request.h"
#include "online/cover_store.h"
#include "online/online_fixture.h"

namespace vorlix {
namespace {

const PriceBlock kPrice{"March 05, 2004", "$12.98", "$7.49", "B000000001", "music"};
const std::string kPriceText =
    "<price date=\"March 05, 2004\">\r\n<new>$12.98</new>\r\n<used>$7.49</used>\r\n</price>\r\n"
    "<ASIN>B000000001</ASIN>\r\n<mode>music</mode>";

TEST(PercentEncodingTest, OnlyUnreservedBytesStayAsTheyAre) {
    EXPECT_EQ(percentEncoded("Rock & Roll #1"), "Rock%20%26%20Roll%20%231");
    EXPECT_EQ(percentEncoded("a=b+c?d/e"), "a%3Db%2Bc%3Fd%2Fe");
    EXPECT_EQ(percentEncoded("Caf\xc3\xa9-_.~"), "Caf%C3%A9-_.~");
}

TEST(CoverServiceRequestTest, KeysComeInTheServicesOrderWithEncodedValues) {
    const CoverServiceConfig service{"127.0.0.1:8080", "D1234567890AB"};
    EXPECT_EQ(coverKeywordUrl(service, "Rock & Roll #1", "music", 2),
              "http://127.0.0.1:8080/onca/xml3?t=vorlixmedia-20&dev-t=D1234567890AB"
              "&KeywordSearch=Rock%20%26%20Roll%20%231&mode=music&type=lite&page=2&f=xml");
    EXPECT_EQ(coverAsinUrl(service, "B000&x=1"),
              "http://127.0.0.1:8080/onca/xml3?t=vorlixmedia-20&dev-t=D1234567890AB"
              "&AsinSearch=B000%26x%3D1&type=lite&f=xml");
    EXPECT_FALSE((CoverServiceConfig{"host", ""}.configured()));
    EXPECT_FALSE((CoverServiceConfig{"", "token"}.configured()));
}

TEST(CoverSearchReplyTest, ItemsLieOnPagesOfTen) {
    const std::vector<std::tuple<int, int, int>> cases{
        {1, 1, 1}, {10, 1, 10}, {11, 2, 1}, {20, 2, 10}, {21, 3, 1}};
    for (const auto& [item, page, place] : cases) {
        EXPECT_EQ(coverPageOf(item), page) << item;
        EXPECT_EQ(coverPlaceOnPage(item), place) << item;
    }
}

TEST(CoverSearchReplyTest, APageOfTenItemsIsReadItemByItem) {
    const std::string page = test::onlineFixture("cover_keyword_page1.xml");
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(coverTotalResults(page), 12);
    EXPECT_EQ(coverResultsTitle(page), "Results: 12 Items Found");

    const std::optional<CoverItem> first = coverItemAt(page, 1, "music");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->detailsUrl,
              "http://www.example.com/exec/obidos/ASIN/B000000001/vorlixmedia-20");
    EXPECT_EQ(first->asin, "B000000001");
    EXPECT_EQ(first->productName, "Album 1 & Friends");
    EXPECT_EQ(first->catalog, "Music");
    EXPECT_EQ(first->people, (std::vector<std::string>{"Band 1", "Singer 1"}));
    EXPECT_EQ(first->releaseDate, "02 March, 2003");
    EXPECT_EQ(first->mediumImageUrl, "/images/B000000001.MZZZZZZZ.jpg");
    EXPECT_EQ(first->largeImageUrl, "/images/B000000001.LZZZZZZZ.jpg");
    EXPECT_EQ(first->newPrice, "$11.98");
    EXPECT_EQ(first->usedPrice, "$6.49");

    const std::optional<CoverItem> tenth = coverItemAt(page, 10, "classical");
    ASSERT_TRUE(tenth);
    EXPECT_EQ(tenth->asin, "B000000010");
    EXPECT_EQ(tenth->people, (std::vector<std::string>{"Band 10", "Singer 10"}));
    EXPECT_FALSE(coverItemAt(page, 11, "music"));
}

TEST(CoverSearchReplyTest, MissingElementsGiveTheirDefaults) {
    const std::string page = test::onlineFixture("cover_keyword_page2.xml");
    const std::optional<CoverItem> bare = coverItemAt(page, 2, "dvd");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->asin, "B000000012");
    EXPECT_EQ(bare->catalog, "N/A");
    EXPECT_EQ(bare->people, std::vector<std::string>{std::string(kNoManufacturerMessage)});
    EXPECT_EQ(bare->releaseDate, "N/A");
    EXPECT_EQ(bare->mediumImageUrl, "");
    EXPECT_EQ(bare->largeImageUrl, "");
    EXPECT_EQ(bare->newPrice, "N/A");
    EXPECT_EQ(bare->usedPrice, "N/A");
    EXPECT_EQ(coverItemAt(page, 2, "music")->people, std::vector<std::string>{});

    EXPECT_EQ(coverTotalResults("<ProductInfo><ErrorMsg>none</ErrorMsg></ProductInfo>"), 0);
    EXPECT_FALSE(coverItemAt("not xml at all", 1, "music"));
}

TEST(CoverSearchReplyTest, AvailabilityNeedsAProductAndItsText) {
    const CoverAvailability found = coverAvailabilityOf(test::onlineFixture("cover_asin.xml"));
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.detailsUrl,
              "http://www.example.com/exec/obidos/ASIN/B000000001/vorlixmedia-20");
    EXPECT_EQ(found.availability, "Usually ships within 24 hours");

    EXPECT_FALSE(coverAvailabilityOf(test::onlineFixture("cover_asin_unknown.xml")).found);
    const CoverAvailability silent = coverAvailabilityOf(
        "<ProductInfo><Details url=\"http://x\"><Asin>1</Asin></Details></ProductInfo>");
    EXPECT_TRUE(silent.found);
    EXPECT_EQ(silent.availability, std::nullopt);
}

TEST(PriceBlockTest, ARecordWithoutPriceGetsTheBlockAfterItsChildren) {
    const std::string scanned = disc_info::scannedAudioRecord("1 2 3");
    const std::optional<std::string> stored = storePriceBlock(scanned, kPrice);
    ASSERT_TRUE(stored);
    const disc_info::PriceData price = disc_info::readPriceData(*stored);
    EXPECT_EQ(price.date, "March 05, 2004");
    EXPECT_EQ(price.newPrice, "$12.98");
    EXPECT_EQ(price.usedPrice, "$7.49");
    EXPECT_EQ(price.asin, "B000000001");
    EXPECT_EQ(disc_info::readMode(*stored), "music");
    EXPECT_EQ(disc_info::readMediaTag(*stored).value, "1 2 3");
    EXPECT_LT(stored->find("<notes"), stored->find("<price"));
    EXPECT_EQ(stored->rfind("</info>"), stored->size() - 9);
}

TEST(PriceBlockTest, ASecondSaveReplacesTheBlockAndLeavesOneOfEach) {
    const std::string first = *storePriceBlock(disc_info::scannedDataRecord(), kPrice);
    const PriceBlock later{"April 10, 2005", "$9.99", "N/A", "B000000002", "dvd"};

    const std::optional<std::string> second = storePriceBlock(first, later);

    ASSERT_TRUE(second);
    for (const char* tag : {"<price", "<new>", "<used>", "<ASIN>", "<mode>"}) {
        EXPECT_EQ(second->find(tag), second->rfind(tag)) << tag;
    }
    EXPECT_NE(
        second->find("<price date=\"April 10, 2005\">\r\n<new>$9.99</new>\r\n<used>N/A</used>"
                     "\r\n</price>\r\n<ASIN>B000000002</ASIN>\r\n<mode>dvd</mode>\r\n</info>"),
        std::string::npos)
        << *second;
    EXPECT_TRUE(disc_info::hasPortraitCover(*second));
}

TEST(PriceBlockTest, TheBlockIsReplacedVerbatimInTheText) {
    const std::string record =
        "<info>\r\n<notes/>\r\n<price date=\"x\"><new>1</new><used>2</used></price>\r\n"
        "<ASIN>A</ASIN>\r\n<mode>music</mode>\r\n</info>\r\n";
    EXPECT_EQ(storePriceBlock(record, kPrice),
              "<info>\r\n<notes/>\r\n" + kPriceText + "\r\n</info>\r\n");
}

TEST(PriceBlockTest, RecordsThatCannotTakeABlockStayAsTheyAre) {
    EXPECT_EQ(storePriceBlock("plain old notes", kPrice), std::nullopt);
    EXPECT_EQ(storePriceBlock("", kPrice), std::nullopt);
    EXPECT_EQ(storePriceBlock("<info><price date=\"x\"/><mode>m</mode></info>", kPrice),
              std::nullopt);
}

TEST(PriceBlockTest, DatesUseFullEnglishMonthNames) {
    EXPECT_EQ(priceDate(2004, 3, 5), "March 05, 2004");
    EXPECT_EQ(priceDate(2026, 12, 11), "December 11, 2026");
}

TEST(CoverStoreTest, ThePictureGoesUnderTheDiscNumberAndThePriceIntoTheRecord) {
    CQXCatalog catalogue;
    catalogue.appendDisc(test::scannedDataDisc("12"));
    auto plain = test::scannedDataDisc("13");
    plain->setInfo("old notes");
    catalogue.appendDisc(std::move(plain));
    const std::vector<std::uint8_t> jpeg{0xff, 0xd8, 0xff, 0xe0, 0x00};

    ASSERT_TRUE(storeCover(catalogue, "12", jpeg, kPrice));
    ASSERT_TRUE(storeCover(catalogue, "12", {1, 2}, kPrice));
    ASSERT_TRUE(storeCover(catalogue, "13", jpeg, kPrice));
    EXPECT_FALSE(storeCover(catalogue, "14", jpeg, kPrice));

    const auto* cover = catalogue.named.find("CD12");
    ASSERT_NE(cover, nullptr);
    EXPECT_EQ(std::get<ByteArray>(*cover).bytes, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(disc_info::readPriceData(catalogue.findDisc("12")->info()).asin, "B000000001");
    EXPECT_EQ(std::get<ByteArray>(*catalogue.named.find("CD13")).bytes, jpeg);
    EXPECT_EQ(catalogue.findDisc("13")->info(), "old notes");
    EXPECT_EQ(catalogue.named.find("CD14"), nullptr);
}

}  // namespace
}  // namespace vorlix
