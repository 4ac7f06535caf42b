#include "scan/disc_insertion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "support/document_rig.h"

namespace vorlix {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<CQXDisc> discOf(const std::string& number, const Identity& owner) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName("Disc " + number);
    disc->setOwnerName(owner.logName);
    disc->setOwnerDigest(owner.passwordDigest);
    disc->files.emplace_back("a.mp3", "d:\\", "1", "d:");
    return disc;
}

Lines numbersIn(const std::string& file, const CodePage& codePage) {
    const std::string bytes = test::readFile(file);
    MemorySource source(bytes);
    CQXCatalog catalogue;
    readCatalogue(source, codePage, catalogue);
    Lines numbers;
    for (const auto& disc : catalogue.discs) {
        numbers.emplace_back(disc->number());
    }
    return numbers;
}

class DiscInsertionTest : public testing::Test {
protected:
    DiscInsertionTest() {
        CQXCatalog catalogue;
        catalogue.appendDisc(discOf("1", test::DocumentRig::anna()));
        rig.load(std::move(catalogue));
    }

    test::DocumentRig rig;
    CQX2Doc& document = rig.document;
};

TEST_F(DiscInsertionTest, TheDiscIsAppendedMadeCurrentAndTheDocumentModified) {
    insertDisc(document, discOf("2", rig.anna()), false, rig.prompt);
    ASSERT_EQ(document.catalogue().discs.size(), 2u);
    EXPECT_EQ(document.catalogue().discs.back()->number(), "2");
    EXPECT_EQ(document.currentDisc().number(), "2");
    ASSERT_EQ(document.currentDisc().files.size(), 1u);
    EXPECT_EQ(document.currentDisc().files[0], &document.catalogue().discs.back()->files[0]);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(rig.prompt.messages.empty());
}

TEST_F(DiscInsertionTest, AutoSaveWithoutAFileSaysSoAndKeepsTheDisc) {
    insertDisc(document, discOf("2", rig.anna()), true, rig.prompt);
    EXPECT_EQ(rig.prompt.messages, Lines{"Save CD"});
    EXPECT_EQ(document.catalogue().discs.size(), 2u);
    EXPECT_TRUE(document.isModified());
}

TEST_F(DiscInsertionTest, AutoSaveWritesTheCatalogueWithTheNewDisc) {
    const std::string file = rig.folder.file("cds.vrd");
    ASSERT_TRUE(document.saveDocument(file));
    insertDisc(document, discOf("2", rig.anna()), true, rig.prompt);
    EXPECT_EQ(numbersIn(file, rig.codePage), (Lines{"1", "2"}));
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(rig.prompt.messages.empty());

    insertDisc(document, discOf("3", rig.anna()), false, rig.prompt);
    EXPECT_EQ(numbersIn(file, rig.codePage), (Lines{"1", "2"}));
    EXPECT_TRUE(document.isModified());
}

// A disc renumbered in the tree while the scan dialog was open took the scan's number.
TEST_F(DiscInsertionTest, ASavedScanWhoseNumberWasTakenMeanwhileTakesTheNextFreeOne) {
    document.catalogue().appendDisc(discOf("2", rig.anna()));
    auto scanned = discOf("2", rig.anna());
    scanned->setOutline("2 NEW\r\n\tDocs\r\n");
    insertDisc(document, std::move(scanned), false, rig.prompt);

    Lines numbers;
    for (const auto& disc : document.catalogue().discs) {
        numbers.emplace_back(disc->number());
    }
    EXPECT_EQ(numbers, (Lines{"1", "2", "3"}));
    EXPECT_EQ(document.catalogue().discs.back()->outline(), "3 NEW\r\n\tDocs\r\n");
    EXPECT_EQ(document.currentDisc().number(), "3");
    EXPECT_EQ(rig.prompt.messages, Lines{numberTakenMessage("2", "3")});
    EXPECT_EQ(rig.prompt.messages[0],
              "The disc number 2 was given to another disc during the scan; the new disc has the "
              "number 3.");
}

TEST_F(DiscInsertionTest, ABlankDiscTakesTheCurrentDiscsOwnerAndIsNotSaved) {
    const std::string file = rig.folder.file("cds.vrd");
    ASSERT_TRUE(document.saveDocument(file));
    const Identity bert{"bert", "d2"};
    document.catalogue().appendDisc(discOf("7", bert));
    document.setCurrentDisc(*document.catalogue().discs.back());

    addBlankDisc(document, rig.prompt);
    ASSERT_EQ(document.catalogue().discs.size(), 3u);
    const CQXDisc& blank = *document.catalogue().discs.back();
    EXPECT_EQ(blank.number(), "8");
    EXPECT_EQ(blank.name(), "Blank Disc");
    EXPECT_EQ(blank.ownerName(), "bert");
    EXPECT_EQ(blank.ownerDigest(), "d2");
    EXPECT_EQ(document.currentDisc().number(), "8");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(numbersIn(file, rig.codePage), Lines{"1"});
    EXPECT_TRUE(rig.prompt.messages.empty());
}

// The open scan dialog's disc would take the same number as the blank disc.
TEST_F(DiscInsertionTest, ABlankDiscIsRefusedWhileAScanDialogIsOpen) {
    rig.windows.scanning = true;
    addBlankDisc(document, rig.prompt);
    EXPECT_EQ(document.catalogue().discs.size(), 1u);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(rig.prompt.messages, Lines{std::string(kScanRunningMessage)});
}

TEST(BlankDiscRefusalTest, AnEmptyCatalogueOrAnotherOwnersIsRefused) {
    test::DocumentRig rig;
    addBlankDisc(rig.document, rig.prompt);
    EXPECT_TRUE(rig.document.catalogue().discs.empty());
    EXPECT_FALSE(rig.document.isModified());

    CQXCatalog catalogue;
    catalogue.appendDisc(discOf("1", Identity{"bert", "d2"}));
    rig.load(std::move(catalogue));
    addBlankDisc(rig.document, rig.prompt);
    EXPECT_EQ(rig.document.catalogue().discs.size(), 1u);
    EXPECT_EQ(rig.prompt.messages, (Lines{"Operation not allowed! Logged in as : anna",
                                          "Operation not allowed! Logged in as : anna"}));
}

}  // namespace
}  // namespace vorlix
