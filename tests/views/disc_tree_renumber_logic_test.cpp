#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "accounts/identity.h"
#include "core/catalog.h"
#include "support/scripted_prompt.h"
#include "views/logic/disc_tree_covers.h"
#include "views/logic/disc_tree_renumber.h"
#include "views/logic/disc_tree_visibility.h"

namespace vorlix {
namespace {

const Identity kOwner{"anna", "0cc175b9c0f1b6a831c399e269772661"};

std::unique_ptr<CQXDisc> makeDisc(const std::string& number, const std::string& name,
                                  const std::string& shared = "Yes") {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName(name);
    disc->setOutline(number + " " + name + "\r\n\tdocs\r\n");
    disc->setShared(shared);
    disc->setOwnerName(kOwner.logName);
    disc->setOwnerDigest(kOwner.passwordDigest);
    return disc;
}

std::vector<std::string> numbers(const CQXCatalog& catalogue) {
    std::vector<std::string> result;
    for (const auto& disc : catalogue.discs) {
        result.emplace_back(disc->number());
    }
    return result;
}

const std::vector<std::uint8_t>* cover(const CQXCatalog& catalogue, const std::string& number) {
    const NamedObject* object = catalogue.named.find(coverKey(number));
    return object == nullptr ? nullptr : &std::get<ByteArray>(*object).bytes;
}

class CatalogueRenumbering : public testing::Test {
protected:
    CatalogueRenumbering() {
        catalogue.appendDisc(makeDisc("1", "FIRST"));
        catalogue.appendDisc(makeDisc("5", "FIFTH"));
        catalogue.appendDisc(makeDisc("12", "BACKUP"));
        catalogue.named.set("CD12", ByteArray{{1, 2, 3}});
    }

    CQXCatalog catalogue;
    test::ScriptedPrompt prompt;
};

TEST_F(CatalogueRenumbering, MovesTheDiscBehindItsNewPredecessorAndCopiesItsCover) {
    const Renumbering result = renumberCatalogueDisc(catalogue, "12", "3", prompt);
    EXPECT_EQ(result.kind, Renumbering::Kind::Moved);
    EXPECT_EQ(result.predecessor, "1");
    EXPECT_EQ(numbers(catalogue), (std::vector<std::string>{"1", "3", "5"}));
    EXPECT_EQ(catalogue.findDisc("3")->outline(), "3 BACKUP\r\n\tdocs\r\n");
    ASSERT_NE(cover(catalogue, "3"), nullptr);
    EXPECT_EQ(*cover(catalogue, "3"), (std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_NE(cover(catalogue, "12"), nullptr) << "the old key keeps its entry";
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CatalogueRenumbering, ToTheHeadAnswersZero) {
    const Renumbering result = renumberCatalogueDisc(catalogue, "5", "0", prompt);
    EXPECT_EQ(result.kind, Renumbering::Kind::Moved);
    EXPECT_EQ(result.predecessor, "0");
    EXPECT_EQ(numbers(catalogue), (std::vector<std::string>{"0", "1", "12"}));
}

TEST_F(CatalogueRenumbering, ADiscWithoutCoverClearsAStalePictureUnderItsNewKey) {
    catalogue.named.set("CD7", ByteArray{{9}});
    renumberCatalogueDisc(catalogue, "5", "7", prompt);
    EXPECT_EQ(cover(catalogue, "7"), nullptr);
}

TEST_F(CatalogueRenumbering, IgnoresMissingSameOrTakenNumbersSilently) {
    for (const char* number : {"", "12", "5"}) {
        const Renumbering result = renumberCatalogueDisc(catalogue, "12", number, prompt);
        EXPECT_EQ(result.kind, Renumbering::Kind::Unchanged) << number;
    }
    EXPECT_EQ(numbers(catalogue), (std::vector<std::string>{"1", "5", "12"}));
    EXPECT_EQ(catalogue.findDisc("12")->outline(), "12 BACKUP\r\n\tdocs\r\n");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(RenumberingTheOnlyDisc, RewritesItsOutlineAndStoresAPictureUnderTheNewKey) {
    test::ScriptedPrompt prompt;
    for (const bool hasCover : {true, false}) {
        CQXCatalog catalogue;
        catalogue.appendDisc(makeDisc("12", "BACKUP"));
        catalogue.findDisc("12")->setOutline("12 BACKUP\r\n\t12 BACKUP\r\n\tdocs\r\n");
        if (hasCover) {
            catalogue.named.set("CD12", ByteArray{{7, 7}});
        }
        const Renumbering result = renumberCatalogueDisc(catalogue, "12", "15", prompt);
        EXPECT_EQ(result.kind, Renumbering::Kind::Renamed);
        EXPECT_EQ(catalogue.discs.front()->number(), "15");
        EXPECT_EQ(catalogue.discs.front()->outline(), "15 BACKUP\r\n\t15 BACKUP\r\n\tdocs\r\n");
        ASSERT_NE(cover(catalogue, "15"), nullptr);
        const std::vector<std::uint8_t> expected =
            hasCover ? std::vector<std::uint8_t>{7, 7} : std::vector<std::uint8_t>{};
        EXPECT_EQ(*cover(catalogue, "15"), expected);
        EXPECT_EQ(cover(catalogue, "12") != nullptr, hasCover);
    }
}

TEST(DiscCovers, RemovingReportsWhetherThereWasOne) {
    CQXCatalog catalogue;
    catalogue.named.set("CD4", ByteArray{{1}});
    EXPECT_TRUE(removeCover(catalogue, "4"));
    EXPECT_FALSE(removeCover(catalogue, "4"));
    EXPECT_EQ(coverKey("4"), "CD4");
}

TEST(DiscTreeVisibility, OwnerSeesEveryDiscOthersOnlySharedOnes) {
    CQXCatalog catalogue;
    catalogue.appendDisc(makeDisc("1", "A", "Yes"));
    catalogue.appendDisc(makeDisc("2", "B", "No"));
    catalogue.appendDisc(makeDisc("3", "C", "yes"));
    const DiscVisibility owner(catalogue, kOwner);
    const DiscVisibility wrongPassword(catalogue, {"anna", "ffff"});
    const DiscVisibility other(catalogue, {"bob", kOwner.passwordDigest});
    for (const auto& disc : catalogue.discs) {
        EXPECT_TRUE(owner.shows(*disc)) << disc->number();
        EXPECT_EQ(wrongPassword.shows(*disc), disc->number() == "1") << disc->number();
        EXPECT_EQ(other.shows(*disc), disc->number() == "1") << disc->number();
    }
}

}  // namespace
}  // namespace vorlix
