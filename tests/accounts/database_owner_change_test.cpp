#include "accounts/database_owner_change.h"

#include <gtest/gtest.h>

#include "accounts/ownership.h"
#include "accounts/text_digest.h"
#include "core/catalog.h"
#include "core/code_page.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

using Strings = std::vector<std::string>;

const Windows1252 kCodePage;
const Identity kAnna{"anna", textDigest("secret", kCodePage)};

class DatabaseOwnerChangeTest : public ::testing::Test {
protected:
    DatabaseOwnerChangeTest() {
        for (const char* number : {"1", "2", "3"}) {
            auto disc = std::make_unique<CQXDisc>();
            disc->setNumber(number);
            disc->setOwnerName(kAnna.logName);
            disc->setOwnerDigest(kAnna.passwordDigest);
            catalogue.discs.push_back(std::move(disc));
        }
    }

    CQXCatalog catalogue;
    test::ScriptedPrompt prompt;
    DatabaseOwnerChange change{catalogue, "anna", prompt, kCodePage};
};

TEST_F(DatabaseOwnerChangeTest, OpensWithTheLoggedInName) {
    const OwnerFields fields = change.initialFields();
    EXPECT_EQ(fields.currentName, "anna");
    EXPECT_EQ(fields.currentPassword, "");
    EXPECT_EQ(fields.newName, "");
    EXPECT_EQ(fields.newPassword, "");
}

struct RefusalCase {
    const char* name;
    OwnerFields fields;
    const char* message;
};

class OwnerChangeRefusalTest : public DatabaseOwnerChangeTest,
                               public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(OwnerChangeRefusalTest, ShowsWhyAndClearsEveryField) {
    OwnerFields fields = GetParam().fields;
    EXPECT_FALSE(change.change(fields));
    EXPECT_EQ(prompt.messages, Strings{GetParam().message});
    EXPECT_EQ(fields.currentName, "");
    EXPECT_EQ(fields.currentPassword, "");
    EXPECT_EQ(fields.newName, "");
    EXPECT_EQ(fields.newPassword, "");
    for (const auto& disc : catalogue.discs) {
        EXPECT_EQ(disc->ownerName(), "anna");
        EXPECT_EQ(disc->ownerDigest(), kAnna.passwordDigest);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnerChangeRefusalTest,
    ::testing::Values(
        RefusalCase{"NoCurrentName", {"", "secret", "ben", "pw"}, "Please fill in all fields!"},
        RefusalCase{"NoCurrentPassword", {"anna", "", "ben", "pw"}, "Please fill in all fields!"},
        RefusalCase{"NoNewName", {"anna", "secret", "", "pw"}, "Please fill in all fields!"},
        RefusalCase{"NoNewPassword", {"anna", "secret", "ben", ""}, "Please fill in all fields!"},
        RefusalCase{
            "OtherName", {"Anna", "secret", "ben", "pw"}, "The current owner name is false!"},
        RefusalCase{
            "WrongPassword", {"anna", "Secret", "ben", "pw"}, "The current password is false!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DatabaseOwnerChangeTest, GivesEveryDiscTheNewOwner) {
    OwnerFields fields{"anna", "secret", "b\xC3\xA9la", "pw"};
    EXPECT_TRUE(change.change(fields));
    EXPECT_EQ(prompt.messages, Strings());
    const Identity bela{"b\xC3\xA9la", textDigest("pw", kCodePage)};
    for (const auto& disc : catalogue.discs) {
        EXPECT_EQ(disc->ownerName(), bela.logName);
        EXPECT_EQ(disc->ownerDigest(), bela.passwordDigest);
    }
    EXPECT_FALSE(isOwner(catalogue, kAnna));
    EXPECT_TRUE(isOwner(catalogue, bela));
}

TEST_F(DatabaseOwnerChangeTest, OnlyTheFirstDiscsOwnerIsConfirmed) {
    catalogue.discs.front()->setOwnerName("carl");
    OwnerFields fields{"anna", "secret", "ben", "pw"};
    EXPECT_FALSE(change.change(fields));
    EXPECT_EQ(prompt.messages, Strings{"The current owner name is false!"});
}

}  // namespace
}  // namespace vorlix
