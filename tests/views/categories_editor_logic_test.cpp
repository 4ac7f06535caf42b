#include <gtest/gtest.h>

#include <algorithm>

#include "core/disc_info.h"
#include "support/document_rig.h"
#include "support/sample_catalogue.h"
#include "views/logic/categories_editor.h"

namespace vorlix {
namespace {

using Names = std::vector<std::string>;
using test::DocumentRig;

// The sample catalogue owned by the rig's user, disc 1 current, categories with "Movie".
class CategoryEditorTest : public testing::Test {
protected:
    explicit CategoryEditorTest(Identity user = DocumentRig::anna()) : rig(std::move(user)) {
        CQXCatalog catalogue = test::sampleCatalogue();
        for (const auto& disc : catalogue.discs) {
            disc->setOwnerName(DocumentRig::anna().logName);
            disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
        }
        catalogue.categories.push_back("Movie");
        catalogue.discs[1]->setCategories({"Movie", "Work"});
        catalogue.discs[0]->files[0].setCategories({"Movie"});
        rig.load(std::move(catalogue));
        rig.document.setCurrentDisc(disc("1"));
    }

    CQXDisc& disc(const char* number) { return *rig.document.catalogue().findDisc(number); }
    Names categories() { return rig.document.catalogue().categories.toVector(); }

    DocumentRig rig;
    CategoryEditor editor{rig.document, rig.prompt};
};

class NonOwnerCategoryEditorTest : public CategoryEditorTest {
protected:
    NonOwnerCategoryEditorTest() : CategoryEditorTest({"bob", "digest"}) {}
};

TEST_F(CategoryEditorTest, CreateTestsTheNameExactly) {
    EXPECT_TRUE(editor.create("movie"));
    EXPECT_EQ(categories().back(), "movie");
    EXPECT_TRUE(rig.document.isModified());
    EXPECT_TRUE(rig.prompt.messages.empty());

    rig.document.setModified(false);
    EXPECT_FALSE(editor.create("Movie"));
    EXPECT_EQ(rig.prompt.messages, Names{std::string(kCategoryExistsMessage)});
    EXPECT_FALSE(rig.document.isModified());
    EXPECT_FALSE(editor.create(""));
    EXPECT_EQ(std::ranges::count(categories(), "Movie"), 1);
}

TEST_F(CategoryEditorTest, RenameRefusesANameTakenInAnyCase) {
    for (const char* taken : {"movie", "MOVIE", "audio", ""}) {
        EXPECT_FALSE(editor.rename("Work", taken)) << taken;
    }
    EXPECT_FALSE(rig.document.isModified());
    EXPECT_TRUE(rig.prompt.messages.empty());

    EXPECT_TRUE(editor.rename("Movie", "Films"));
    EXPECT_TRUE(rig.document.isModified());
    EXPECT_FALSE(std::ranges::count(categories(), "Movie"));
    EXPECT_EQ(disc("2").categories(), (Names{"Films", "Work"}));
    EXPECT_EQ(disc("1").files[0].categories(), Names{"Films"});
}

TEST_F(CategoryEditorTest, RemoveAsksThenRemovesEverywhere) {
    rig.prompt.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(editor.remove({"Movie"}));
    EXPECT_EQ(disc("2").categories(), (Names{"Movie", "Work"}));
    EXPECT_FALSE(rig.document.isModified());

    EXPECT_TRUE(editor.remove({"Movie", "Work"}));
    EXPECT_EQ(rig.prompt.messages, Names(2, std::string(kDeleteCategoryQuestion)));
    EXPECT_TRUE(disc("2").categories().empty());
    EXPECT_TRUE(disc("1").files[0].categories().empty());
    EXPECT_TRUE(disc("1").files[1].categories().empty());
    EXPECT_EQ(categories(), (Names{"Audio", "DVD", "Software", "Backups"}));
    EXPECT_EQ(rig.document.currentDisc().categories(), (Names{"Software", "Backups"}));
    EXPECT_TRUE(rig.document.isModified());
}

TEST_F(CategoryEditorTest, AttachAndDetachChangeTheCurrentDiscAndItsCopy) {
    EXPECT_TRUE(editor.attachToCurrentDisc({"Movie", "Software", "Audio"}));
    const Names attached = {"Software", "Backups", "Movie", "Audio"};
    EXPECT_EQ(disc("1").categories(), attached);
    EXPECT_EQ(rig.document.currentDisc().categories(), attached);
    EXPECT_TRUE(rig.document.isModified());

    EXPECT_TRUE(editor.detachFromCurrentDisc({"Software", "Audio"}));
    EXPECT_EQ(disc("1").categories(), (Names{"Backups", "Movie"}));
    EXPECT_EQ(rig.document.currentDisc().categories(), (Names{"Backups", "Movie"}));
    EXPECT_EQ(disc("2").categories(), (Names{"Movie", "Work"}));
}

TEST_F(CategoryEditorTest, AttachToFilesAppendsWhatEachEntryLacks) {
    CQXDisc& first = disc("1");
    EXPECT_TRUE(editor.attachToFiles({"Movie", "Work"}, {&first.files[0], &first.files[1]}));
    EXPECT_EQ(first.files[0].categories(), (Names{"Movie", "Work"}));
    EXPECT_EQ(first.files[1].categories(), (Names{"Work", "Movie"}));
    EXPECT_TRUE(first.files[2].categories().empty());
    EXPECT_TRUE(rig.document.isModified());
}

TEST_F(CategoryEditorTest, NotesAreStoredEscapedAndReadBackUnchanged) {
    const std::string notes = "a < b & \"c\"\r\nline 2";
    EXPECT_TRUE(editor.notesChanged(notes));
    EXPECT_NE(std::string(disc("1").info()).find("a &lt; b &amp;"), std::string::npos)
        << std::string(disc("1").info());
    EXPECT_EQ(disc_info::readNotes(disc("1").info()), notes);
    EXPECT_EQ(rig.document.currentDisc().info(), disc("1").info());
    EXPECT_TRUE(rig.document.isModified());

    rig.document.setModified(false);
    EXPECT_TRUE(editor.saveNotes("saved"));
    EXPECT_EQ(disc_info::readNotes(rig.document.currentDisc().info()), "saved");
    EXPECT_FALSE(rig.document.isModified());
}

// A notes element holding an element of its own cannot be replaced without losing it.
TEST_F(CategoryEditorTest, ARecordThatCannotTakeNotesIsReportedOnceWhileTyping) {
    const std::string record = "<info>\r\n<notes kind=\"rich\"><b>old</b></notes>\r\n</info>\r\n";
    disc("1").setInfo(record);
    rig.document.setCurrentDisc(disc("1"));
    const Names refusal{
        "The notes of CD 1 were not stored: its information record holds them "
        "in a form that cannot be changed."};

    EXPECT_FALSE(editor.notesChanged("n"));
    EXPECT_FALSE(editor.notesChanged("ne"));
    EXPECT_EQ(rig.prompt.messages, refusal);
    EXPECT_FALSE(editor.saveNotes("new"));
    EXPECT_EQ(rig.prompt.messages, (Names{refusal[0], refusal[0]}));
    EXPECT_EQ(disc("1").info(), record);
    EXPECT_EQ(rig.document.currentDisc().info(), record);
    EXPECT_FALSE(rig.document.isModified());

    // Another disc's record takes them, and the first one is told again when typed in anew.
    rig.document.setCurrentDisc(disc("2"));
    EXPECT_TRUE(editor.notesChanged("fine"));
    rig.document.setCurrentDisc(disc("1"));
    EXPECT_FALSE(editor.notesChanged("n"));
    EXPECT_EQ(rig.prompt.messages.size(), 3u);
}

TEST_F(CategoryEditorTest, NotesTakeTypingOnlyWithACurrentDisc) {
    EXPECT_TRUE(editor.mayEditNotes());
    rig.document.setCurrentDisc(CQXDisc{});
    EXPECT_FALSE(editor.mayEditNotes());
}

TEST_F(CategoryEditorTest, DefaultsFillOnlyAnEmptyList) {
    EXPECT_FALSE(editor.addDefaults());
    rig.document.catalogue().categories.clear();
    EXPECT_TRUE(editor.addDefaults());
    EXPECT_EQ(categories(), (Names{"Audio", "DVD", "Software", "Music", "Movie"}));
}

TEST_F(NonOwnerCategoryEditorTest, EveryChangeIsRefused) {
    const std::string before(disc("1").info());
    EXPECT_FALSE(editor.create("New"));
    EXPECT_FALSE(editor.attachToCurrentDisc({"Movie"}));
    EXPECT_FALSE(editor.attachToFiles({"Movie"}, {&disc("1").files[2]}));
    EXPECT_FALSE(editor.detachFromCurrentDisc({"Software"}));
    EXPECT_FALSE(editor.mayRename());
    EXPECT_FALSE(editor.mayEditNotes());
    EXPECT_FALSE(editor.remove({"Movie"}));
    EXPECT_FALSE(editor.notesChanged("x"));
    EXPECT_FALSE(editor.saveNotes("x"));

    EXPECT_EQ(rig.prompt.messages, Names(8, "Operation not allowed! Logged in as : bob"));
    EXPECT_EQ(disc("1").info(), before);
    EXPECT_EQ(disc("1").categories(), (Names{"Software", "Backups"}));
    EXPECT_TRUE(disc("1").files[2].categories().empty());
    EXPECT_FALSE(rig.document.isModified());
}

TEST(CategoryEditorEmptyCatalogue, CreateAndNotesDoNothingWithoutADisc) {
    DocumentRig rig;
    CategoryEditor editor(rig.document, rig.prompt);
    EXPECT_FALSE(editor.create("Movie"));
    EXPECT_FALSE(editor.notesChanged("x"));
    EXPECT_TRUE(rig.document.catalogue().categories.empty());
    EXPECT_TRUE(rig.prompt.messages.empty());
    EXPECT_FALSE(rig.document.isModified());
}

}  // namespace
}  // namespace vorlix
