#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_rig.h"
#include "support/quiet_panes.h"
#include "support/sample_catalogue.h"
#include "views/logic/commands_field_editor.h"

namespace vorlix {
namespace {

using Names = std::vector<std::string>;
using test::DocumentRig;

// The disc tree as the panel's name field drives it.
struct RenamingTree final : test::QuietDiscTree {
    void renameDisc(const std::string& number, const std::string& name) override {
        renames.push_back(number + "|" + name);
    }
    Names renames;
};

CQXCatalog ownedCatalogue() {
    CQXCatalog catalogue = test::sampleCatalogue();
    for (const auto& disc : catalogue.discs) {
        disc->setOwnerName(DocumentRig::anna().logName);
        disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
    }
    return catalogue;
}

// The sample catalogue owned by anna, disc 2 current, with the user given.
class CommandsFieldEditorTest : public testing::Test {
protected:
    explicit CommandsFieldEditorTest(Identity user = DocumentRig::anna()) : rig(std::move(user)) {
        rig.load(ownedCatalogue());
        rig.document.setCurrentDisc(disc("2"));
        rig.document.addPane(tree);
    }

    CQXDisc& disc(const char* number) { return *rig.document.catalogue().findDisc(number); }

    DocumentRig rig;
    RenamingTree tree;
    CommandsFieldEditor editor{rig.document, rig.prompt};
};

class NonOwnerFieldEditorTest : public CommandsFieldEditorTest {
protected:
    NonOwnerFieldEditorTest() : CommandsFieldEditorTest({"bob", "digest"}) {}
};

TEST(DecimalNumbers, OnlyDigitsMakeANumberAndTheEmptyTextIsOne) {
    for (const char* number : {"", "0", "12", "0042", "2147483648"}) {
        EXPECT_TRUE(isDecimalNumber(number)) << number;
    }
    for (const char* other : {"12a", " 1", "-1", "+1", "1.5", "\u0661"}) {
        EXPECT_FALSE(isDecimalNumber(other)) << other;
    }
}

TEST_F(CommandsFieldEditorTest, ANumberFieldThatIsNoNumberShowsTheCurrentNumberAgain) {
    EXPECT_EQ(editor.numberEdited("12a"), "2");
    EXPECT_EQ(rig.prompt.messages, Names{"Please, provide a number."});
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::ChangeNumber);

    rig.document.setEnterTarget(EnterTarget::None);
    EXPECT_EQ(editor.numberEdited(""), std::nullopt);
    EXPECT_EQ(editor.numberEdited("17"), std::nullopt);
    EXPECT_EQ(rig.prompt.messages.size(), 1u);
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::ChangeNumber);
    EXPECT_FALSE(rig.document.isModified());
}

TEST_F(CommandsFieldEditorTest, EveryEditWithoutADiscIsTurnedAwayAndArmsNothing) {
    rig.load(CQXCatalog{});
    EXPECT_EQ(editor.numberEdited("5"), "");
    EXPECT_EQ(rig.prompt.messages, Names{"Load a cd database first."});
    editor.nameEdited("5", "NEW");
    editor.findNumberEdited();
    editor.detailsEdited("artist", "good", true);
    EXPECT_EQ(rig.prompt.messages.size(), 1u);
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::None);
    EXPECT_TRUE(tree.renames.empty());
    EXPECT_FALSE(rig.document.isModified());
}

TEST_F(CommandsFieldEditorTest, TheNameGoesToTheTreeWithTheNumberAtEachEdit) {
    editor.nameEdited("2", "L");
    editor.nameEdited("7", "LP");
    EXPECT_EQ(tree.renames, (Names{"2|L", "7|LP"}));
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::ChangeNumber);
    EXPECT_TRUE(rig.prompt.messages.empty());
}

TEST_F(NonOwnerFieldEditorTest, TheNameOfSomeoneElsesDiscIsRefused) {
    editor.nameEdited("2", "MINE");
    EXPECT_EQ(rig.prompt.messages, Names{"Operation not allowed! Logged in as : bob"});
    EXPECT_TRUE(tree.renames.empty());
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::None);
}

TEST_F(CommandsFieldEditorTest, DetailsAreStoredAtOnceOnlyWhenAsked) {
    editor.detailsEdited("Someone", "poor", false);
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::StoreDetails);
    EXPECT_EQ(disc("2").artist(), "Beyonc\u00E9");
    EXPECT_FALSE(rig.document.isModified());

    const std::string info(disc("2").info());
    editor.detailsEdited("Someone", "poor", true);
    EXPECT_EQ(disc("2").artist(), "Someone");
    EXPECT_EQ(disc("2").quality(), "poor");
    EXPECT_EQ(disc("2").info(), info);
    EXPECT_EQ(rig.document.currentDisc().artist(), "Someone");
    EXPECT_EQ(disc("1").artist(), "Beyonc\u00E9");
    EXPECT_TRUE(rig.document.isModified());
}

TEST_F(CommandsFieldEditorTest, StoringWithoutACatalogueDiscChangesNothing) {
    rig.document.setCurrentDisc(CQXDisc{});
    EXPECT_FALSE(editor.storeDetails("Someone", "poor"));
    EXPECT_FALSE(rig.document.isModified());
    for (const auto& each : rig.document.catalogue().discs) {
        EXPECT_EQ(each->artist(), "Beyonc\u00E9");
    }
}

TEST_F(CommandsFieldEditorTest, TheFindBoxArmsShowCd) {
    editor.findNumberEdited();
    EXPECT_EQ(rig.document.enterTarget(), EnterTarget::ShowDisc);
}

}  // namespace
}  // namespace vorlix
