#include "accounts/ownership.h"

#include <gtest/gtest.h>

#include "accounts/disc_sharing.h"
#include "core/catalog.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

using Strings = std::vector<std::string>;

const Identity kAnna{"anna", "5ebe2294ecd0e0f08eab7690d2a6ee69"};
const Identity kBen{"ben", "8fe4c11451281c094a6578e6ddbf5eed"};

void addDisc(CQXCatalog& catalogue, const std::string& number, const Identity& owner,
             const std::string& shared = "No") {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setOwnerName(owner.logName);
    disc->setOwnerDigest(owner.passwordDigest);
    disc->setShared(shared);
    catalogue.discs.push_back(std::move(disc));
}

struct OwnerCase {
    const char* name;
    std::vector<Identity> discOwners;
    Identity user;
    bool owner;
};

class OwnerTest : public ::testing::TestWithParam<OwnerCase> {};

TEST_P(OwnerTest, OnlyTheFirstDiscsOwnerOwnsTheCatalogue) {
    CQXCatalog catalogue;
    int number = 1;
    for (const Identity& owner : GetParam().discOwners) {
        addDisc(catalogue, std::to_string(number++), owner);
    }
    EXPECT_EQ(isOwner(catalogue, GetParam().user), GetParam().owner);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnerTest,
    ::testing::Values(
        OwnerCase{"SameNameAndDigest", {kAnna}, kAnna, true},
        OwnerCase{"SameNameOtherDigest", {kAnna}, {"anna", kBen.passwordDigest}, false},
        OwnerCase{"OtherNameSameDigest", {kAnna}, {"Anna", kAnna.passwordDigest}, false},
        OwnerCase{"OtherUser", {kAnna}, kBen, false}, OwnerCase{"EmptyCatalogue", {}, kAnna, false},
        OwnerCase{"NobodyOwnsAnEmptyCatalogue", {}, Identity{}, false},
        OwnerCase{"OwnerOfALaterDisc", {kAnna, kBen}, kBen, false},
        OwnerCase{"OwnerOfTheFirstDisc", {kAnna, kBen}, kAnna, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OwnershipTest, TheRefusalNamesTheLoggedInUser) {
    EXPECT_EQ(refusalText(kBen), "Operation not allowed! Logged in as : ben");
}

TEST(OwnershipTest, OwnerlessDiscsGetTheLoggedInUserWithOneMessage) {
    CQXCatalog catalogue;
    addDisc(catalogue, "1", kBen);
    addDisc(catalogue, "2", {"null", "null"});
    addDisc(catalogue, "3", {"null", "null"});
    test::ScriptedPrompt prompt;
    EXPECT_TRUE(assignOwnerIfMissing(catalogue, kAnna, prompt));
    EXPECT_EQ(prompt.messages, Strings{std::string(kNoOwnerMessage)});
    for (const auto& disc : catalogue.discs) {
        EXPECT_EQ(disc->ownerName(), "anna");
        EXPECT_EQ(disc->ownerDigest(), kAnna.passwordDigest);
    }
    EXPECT_FALSE(assignOwnerIfMissing(catalogue, kBen, prompt));
    EXPECT_EQ(prompt.messages.size(), 1u);
}

class SharingTest : public ::testing::Test {
protected:
    SharingTest() {
        addDisc(catalogue, "1", kAnna, "No");
        addDisc(catalogue, "2", kAnna, "Yes");
        addDisc(catalogue, "3", kAnna, "No");
    }

    // The document's copy of a catalogue disc, as the tree selects it.
    DiscTexts select(const std::string& number) const { return *catalogue.findDisc(number); }
    Strings sharedFields() const {
        Strings fields;
        for (const auto& disc : catalogue.discs) {
            fields.emplace_back(disc->shared());
        }
        return fields;
    }

    CQXCatalog catalogue;
    test::ScriptedPrompt prompt;
};

TEST_F(SharingTest, SharingSetsTheSelectedAndTheCatalogueDisc) {
    DiscTexts selected = select("3");
    EXPECT_EQ(shareDisc(catalogue, selected, kAnna, prompt), ShareResult::Changed);
    EXPECT_EQ(selected.shared(), "Yes");
    EXPECT_EQ(sharedFields(), (Strings{"No", "Yes", "Yes"}));
    EXPECT_EQ(prompt.messages, Strings());
}

TEST_F(SharingTest, UnsharingSetsTheSelectedAndTheCatalogueDisc) {
    DiscTexts selected = select("2");
    EXPECT_EQ(unshareDisc(catalogue, selected, kAnna, prompt), ShareResult::Changed);
    EXPECT_EQ(selected.shared(), "No");
    EXPECT_EQ(sharedFields(), (Strings{"No", "No", "No"}));
}

TEST_F(SharingTest, ADiscAlreadyInThatStateStaysUnchanged) {
    DiscTexts shared = select("2");
    EXPECT_EQ(shareDisc(catalogue, shared, kAnna, prompt), ShareResult::Unchanged);
    DiscTexts unshared = select("1");
    EXPECT_EQ(unshareDisc(catalogue, unshared, kAnna, prompt), ShareResult::Unchanged);
    EXPECT_EQ(sharedFields(), (Strings{"No", "Yes", "No"}));
    EXPECT_EQ(prompt.messages, Strings());
}

TEST_F(SharingTest, AnyoneButTheOwnerIsRefused) {
    DiscTexts selected = select("1");
    EXPECT_EQ(shareDisc(catalogue, selected, kBen, prompt), ShareResult::Refused);
    DiscTexts other = select("2");
    EXPECT_EQ(unshareDisc(catalogue, other, {"anna", kBen.passwordDigest}, prompt),
              ShareResult::Refused);
    EXPECT_EQ(prompt.messages, (Strings{"Operation not allowed! Logged in as : ben",
                                        "Operation not allowed! Logged in as : anna"}));
    EXPECT_EQ(selected.shared(), "No");
    EXPECT_EQ(sharedFields(), (Strings{"No", "Yes", "No"}));
}

TEST_F(SharingTest, ASelectionWhoseDiscIsGoneChangesNothing) {
    DiscTexts selected = select("3");
    catalogue.removeDisc("3");
    EXPECT_EQ(shareDisc(catalogue, selected, kAnna, prompt), ShareResult::Unchanged);
    EXPECT_EQ(selected.shared(), "No");
    EXPECT_EQ(sharedFields(), (Strings{"No", "Yes"}));
}

}  // namespace
}  // namespace vorlix
