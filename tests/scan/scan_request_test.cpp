#include "scan/scan_request.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accounts/identity.h"
#include "app/current_disc.h"
#include "core/catalog.h"

namespace vorlix {
namespace {

CQXCatalog catalogueNumbered(const std::vector<std::string>& numbers) {
    CQXCatalog catalogue;
    for (const std::string& number : numbers) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setSerial("s" + number);
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

TEST(NextDiscNumberTest, IsOneMoreThanTheLastDiscsNumber) {
    const struct {
        std::vector<std::string> numbers;
        const char* next;
    } cases[] = {
        {{}, "1"},
        {{"1", "57", "41"}, "42"},
        {{"7"}, "8"},
        {{" 9"}, "10"},
        {{"12a"}, "13"},
        {{"CD"}, "1"},
        {{"5", ""}, "1"},
        {{"0"}, "1"},
        {{"-4"}, "1"},
        {{"2147483647"}, "2147483648"},
        // A number in use elsewhere in the list is passed over.
        {{"43", "1", "41", "42x"}, "44"},
        {{"2", "1"}, "3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextDiscNumber(catalogueNumbered(c.numbers)), c.next)
            << testing::PrintToString(c.numbers);
    }
}

TEST(ScanRequestTest, CarriesNumberOwnerAndEveryCataloguedSerial) {
    const CQXCatalog catalogue = catalogueNumbered({"3", "4"});
    const ScanRequest request = makeScanRequest(catalogue, Identity{"anna", "d1"}, "E:\\");
    EXPECT_EQ(request.preselectedDrive, "E:\\");
    EXPECT_EQ(request.discNumber, "5");
    EXPECT_EQ(request.ownerName, "anna");
    EXPECT_EQ(request.ownerDigest, "d1");
    EXPECT_EQ(request.knownSerials, (std::vector<std::string>{"s3", "s4"}));
}

TEST(BlankDiscTest, IsAPlaceholderOwnedLikeTheCurrentDisc) {
    const CQXCatalog catalogue = catalogueNumbered({"8", "9"});
    CurrentDisc current;
    current.setOwnerName("bert");
    current.setOwnerDigest("d2");
    const auto disc = makeBlankDisc(catalogue, current);
    EXPECT_EQ(disc->number(), "10");
    EXPECT_EQ(disc->name(), "Blank Disc");
    EXPECT_EQ(disc->serial(), "0");
    EXPECT_EQ(disc->shared(), "Yes");
    EXPECT_EQ(disc->ownerName(), "bert");
    EXPECT_EQ(disc->ownerDigest(), "d2");
    EXPECT_EQ(disc->location(), "home");
    EXPECT_EQ(disc->size(), "0.0");
    EXPECT_EQ(disc->outline(), "10 Blank\r\n");
    for (std::string_view empty :
         {disc->info(), disc->date(), disc->artist(), disc->quality(), disc->lendDate()}) {
        EXPECT_EQ(empty, "");
    }
    EXPECT_TRUE(disc->files.empty());
    EXPECT_TRUE(disc->categories().empty());
}

}  // namespace
}  // namespace vorlix
