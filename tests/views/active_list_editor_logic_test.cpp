#include <gtest/gtest.h>

#include <filesystem>

#include "app/history_lists.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_source.h"
#include "support/sample_catalogue.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "views/logic/active_list_editor.h"

namespace vorlix {
namespace {

using Words = std::vector<std::string>;

class ActiveListEditorTest : public testing::Test {
protected:
    ActiveListEditorTest() {
        catalogue = test::sampleCatalogue();
        EXPECT_TRUE(replaceHistory(catalogue, kSearchHistory, {"beach", "mp3", "beach", "rock"}));
        EXPECT_TRUE(replaceHistory(catalogue, kLendHistory, {"Maria", "john"}));
    }

    ActiveListEditor editorFor(std::string path) {
        return ActiveListEditor(catalogue, std::move(path), codePage, prompt);
    }
    Words history(std::string_view key) { return historyWords(catalogue, key); }

    CQXCatalog catalogue;
    Windows1252 codePage;
    test::ScriptedPrompt prompt;
    test::TempDir folder;
};

TEST_F(ActiveListEditorTest, RemovingEditsTheCopiesOnly) {
    ActiveListEditor editor = editorFor({});
    editor.remove(ActiveList::Search, {"beach", "rock"});
    EXPECT_EQ(editor.words(ActiveList::Search), (Words{"mp3", "beach"}));
    editor.removeAll(ActiveList::Lend);
    EXPECT_TRUE(editor.words(ActiveList::Lend).empty());
    EXPECT_EQ(history(kSearchHistory), (Words{"beach", "mp3", "beach", "rock"}));
    EXPECT_EQ(history(kLendHistory), (Words{"Maria", "john"}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ActiveListEditorTest, AWordTheCopyDoesNotHoldIsToldAndTheOthersGo) {
    ActiveListEditor editor = editorFor({});
    editor.remove(ActiveList::Lend, {"John", "john"});
    EXPECT_EQ(prompt.messages,
              Words{"CDialogSheetActiveList::OnButtonRemove() #Something really weird."});
    EXPECT_EQ(editor.words(ActiveList::Lend), Words{"Maria"});
}

TEST_F(ActiveListEditorTest, AcceptingPutsTheCopiesIntoTheCatalogue) {
    ActiveListEditor editor = editorFor(folder.file("never.vrd"));
    editor.remove(ActiveList::Search, {"mp3"});
    editor.accept();
    EXPECT_EQ(history(kSearchHistory), (Words{"beach", "beach", "rock"}));
    EXPECT_EQ(history(kLendHistory), (Words{"Maria", "john"}));
    EXPECT_FALSE(std::filesystem::exists(folder.file("never.vrd")));
}

TEST_F(ActiveListEditorTest, SavingACatalogueThatHasNoFileIsRefused) {
    ActiveListEditor editor = editorFor({});
    editor.removeAll(ActiveList::Search);
    editor.save();
    EXPECT_EQ(prompt.shown, (std::vector<test::Shown>{{"Please, save your document first.",
                                                       MessageIcon::Information, std::nullopt}}));
    EXPECT_EQ(history(kSearchHistory), (Words{"beach", "mp3", "beach", "rock"}));
}

TEST_F(ActiveListEditorTest, SavingWritesTheCatalogueWithTheNewListsAtOnce) {
    const std::string path = folder.file("saved.vrd");
    ActiveListEditor editor = editorFor(path);
    editor.removeAll(ActiveList::Search);
    editor.remove(ActiveList::Lend, {"Maria"});
    editor.save();
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(history(kSearchHistory).empty());

    FileSource source(path);
    CQXCatalog read;
    readCatalogue(source, codePage, read);
    EXPECT_TRUE(historyWords(read, kSearchHistory).empty());
    EXPECT_EQ(historyWords(read, kLendHistory), Words{"john"});
    EXPECT_EQ(read.discs.size(), catalogue.discs.size());
}

TEST_F(ActiveListEditorTest, AFailedWriteIsToldAndTheListsAreReplacedAllTheSame) {
    ActiveListEditor editor = editorFor(folder.file("no such folder/saved.vrd"));
    editor.removeAll(ActiveList::Lend);
    editor.save();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(prompt.messages[0].starts_with("Could not save the catalogue"));
    EXPECT_TRUE(history(kLendHistory).empty());
}

TEST_F(ActiveListEditorTest, ACatalogueWithoutAHistoryListIsToldOnSaveAndOnAccept) {
    catalogue.named.remove(kLendHistory);
    ActiveListEditor editor = editorFor(folder.file("saved.vrd"));
    EXPECT_TRUE(editor.words(ActiveList::Lend).empty());
    editor.removeAll(ActiveList::Search);
    editor.accept();
    editor.save();
    EXPECT_EQ(prompt.messages, Words(2, "Severe Error with the Active List settings"));
    EXPECT_TRUE(history(kSearchHistory).empty());
    EXPECT_FALSE(hasHistory(catalogue, kLendHistory));
    EXPECT_TRUE(std::filesystem::exists(folder.file("saved.vrd")));
}

}  // namespace
}  // namespace vorlix
