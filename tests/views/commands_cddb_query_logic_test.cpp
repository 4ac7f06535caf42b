#include <gtest/gtest.h>

#include "support/commands_fakes.h"
#include "support/document_rig.h"
#include "support/quiet_panes.h"
#include "support/sample_catalogue.h"
#include "views/logic/commands_cddb_query.h"

namespace vorlix {
namespace {

using test::DocumentRig;
using test::Log;

// The panes as the query drives them, each writing what it was asked into one log. The tree
// makes the disc it selects the current disc, as the real one does.
struct LoggingTree final : test::QuietDiscTree {
    LoggingTree(CQX2Doc& document, Log& log) : document(document), log(log) {}
    bool selectDisc(const std::string& number) override {
        log.push_back("select " + number);
        document.setCurrentDisc(*document.catalogue().findDisc(number));
        selected = number;
        return true;
    }
    void renameDisc(const std::string& number, const std::string& name) override {
        log.push_back("rename " + number + " to " + name);
    }
    std::string selectedItemPath() const override { return selected + " ITEM"; }
    CQX2Doc& document;
    Log& log;
    std::string selected;
};

struct LoggingFileList final : Pane, FileListPane {
    explicit LoggingFileList(Log& log) : log(log) {}
    std::string_view paneClassName() const override { return kQX2ViewClass; }
    void runCommand(PaneCommand) override {}
    void showFolder(const std::string& path) override { log.push_back("files of " + path); }
    void clear() override {}
    void highlightEntry(const CQXFileData&) override {}
    std::vector<CQXFileData*> selectedEntries() const override { return {}; }
    void showCatalogue() override {}
    void openSelectedFile() override {}
    Log& log;
};

struct LoggingCategories final : Pane, CategoriesPane {
    explicit LoggingCategories(Log& log) : log(log) {}
    std::string_view paneClassName() const override { return kCategoriesViewClass; }
    void runCommand(PaneCommand) override {}
    void refreshForCurrentDisc() override {}
    void refillAttachedCategories() override { log.push_back("disc categories"); }
    void refillAllCategories() override { log.push_back("all categories"); }
    std::string takeScanDriveText() override { return {}; }
    std::vector<std::string> selectedCategories() const override { return {}; }
    void showCatalogue() override {}
    void createCategory() override {}
    void saveNotes() override {}
    Log& log;
};

// The sample catalogue owned by anna with two audio discs, 1 and 10; disc 1 is current.
class CddbQueryTest : public testing::Test {
protected:
    explicit CddbQueryTest(Identity user = DocumentRig::anna()) : rig(std::move(user)) {
        CQXCatalog catalogue = test::sampleCatalogue();
        for (const auto& disc : catalogue.discs) {
            disc->setOwnerName(DocumentRig::anna().logName);
            disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
        }
        catalogue.discs[0]->files.emplace_back("Track01.cda", "d:\\", "44", "d:");
        catalogue.discs[2]->files.emplace_back("01 Intro.cda", "e:\\", "44", "e:");
        rig.load(std::move(catalogue));
        rig.document.setCurrentDisc(*rig.document.catalogue().findDisc("1"));
        for (Pane* pane : std::initializer_list<Pane*>{&tree, &files, &categories}) {
            rig.document.addPane(*pane);
        }
    }

    void run() { CddbQuery(rig.document, rig.prompt, lookup).run(); }

    DocumentRig rig;
    Log log;
    LoggingTree tree{rig.document, log};
    LoggingFileList files{log};
    LoggingCategories categories{log};
    test::FakeCddbLookup lookup{log};
};

class NonOwnerCddbQueryTest : public CddbQueryTest {
protected:
    NonOwnerCddbQueryTest() : CddbQueryTest({"bob", "digest"}) {}
};

TEST_F(CddbQueryTest, OnlyAnAudioDiscIsLookedUp) {
    rig.document.setCurrentDisc(*rig.document.catalogue().findDisc("2"));
    run();
    EXPECT_EQ(rig.prompt.messages, std::vector<std::string>{"Please, select an audio CD."});
    // The letters must be lower-case, as the scan writes them.
    rig.document.catalogue().findDisc("2")->files.emplace_back("TRACK01.CDA", "d:\\", "44", "d:");
    rig.document.setCurrentDisc(*rig.document.catalogue().findDisc("2"));
    run();
    EXPECT_EQ(rig.prompt.messages.size(), 2u);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(rig.document.isModified());
}

TEST_F(NonOwnerCddbQueryTest, SomeoneElsesCatalogueIsRefused) {
    run();
    EXPECT_EQ(rig.prompt.messages,
              std::vector<std::string>{"Operation not allowed! Logged in as : bob"});
    EXPECT_TRUE(log.empty());
}

TEST_F(CddbQueryTest, AnEmptyCatalogueIsRefusedAsWell) {
    rig.load(CQXCatalog{});
    rig.document.setCurrentDisc(CQXDisc{});
    run();
    EXPECT_EQ(rig.prompt.messages,
              std::vector<std::string>{"Operation not allowed! Logged in as : anna"});
    EXPECT_TRUE(log.empty());
}

TEST_F(CddbQueryTest, CancelChangesNothing) {
    run();
    EXPECT_EQ(log, Log{"cddb 1 BACKUP"});
    EXPECT_FALSE(rig.document.isModified());
}

TEST_F(CddbQueryTest, ASingleLookupShowsTheDiscWithItsNewNameAndCategories) {
    lookup.changes = [](CQXCatalog& catalogue) { catalogue.findDisc("1")->setName("ALBUM"); };
    lookup.result = CddbLookupResult{false, {}, true, true, "ALBUM"};
    run();
    EXPECT_EQ(log, (Log{"cddb 1 BACKUP", "all categories", "rename 1 to ALBUM", "select 1",
                        "files of 1 ITEM", "disc categories"}));
    EXPECT_EQ(rig.document.currentDisc().name(), "ALBUM");
    EXPECT_TRUE(rig.document.isModified());
}

TEST_F(CddbQueryTest, WithoutTheOptionsOnlyTheDiscIsShownAgain) {
    lookup.result = CddbLookupResult{false, {}, false, false, "IGNORED"};
    run();
    EXPECT_EQ(log, (Log{"cddb 1 BACKUP", "select 1", "files of 1 ITEM"}));
    EXPECT_TRUE(rig.document.isModified());
}

TEST_F(CddbQueryTest, ABatchShowsEachProcessedDiscInTurn) {
    lookup.changes = [](CQXCatalog& catalogue) {
        catalogue.findDisc("1")->setName("FIRST");
        catalogue.findDisc("10")->setName("TENTH");
    };
    lookup.result = CddbLookupResult{true, {"1", "99", "10"}, true, true, {}};
    run();
    EXPECT_EQ(log, (Log{"cddb 1 BACKUP", "all categories", "select 1", "rename 1 to 1 FIRST",
                        "files of 1 ITEM", "disc categories", "all categories", "select 10",
                        "rename 10 to 10 TENTH", "files of 10 ITEM", "disc categories"}));
    EXPECT_EQ(rig.document.currentDisc().number(), "10");
    EXPECT_TRUE(rig.document.isModified());
}

}  // namespace
}  // namespace vorlix
