#include "tasks/lend_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/pane.h"
#include "app/pane_operations.h"
#include "support/document_rig.h"
#include "support/quiet_panes.h"

namespace vorlix {
namespace {

using test::DocumentRig;
using test::Shown;

// The commands panel as the lending drives it: counts how often it showed the disc fields.
struct CountingCommands final : test::QuietCommandsPane {
    explicit CountingCommands(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~CountingCommands() override { document.removePane(*this); }
    void refreshDiscFields() override { ++refreshes; }

    CQX2Doc& document;
    int refreshes = 0;
};

CQXCatalog annasCatalogue() {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (const char* number : {"1", "2"}) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setName(std::string("DISC ") + number);
        disc->setLocation("home");
        disc->setOwnerName(DocumentRig::anna().logName);
        disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
        catalogue.appendDisc(std::move(disc));
    }
    catalogue.discs[1]->setLocation("Maria");
    return catalogue;
}

struct Desktop {
    explicit Desktop(Identity user = DocumentRig::anna()) : rig(std::move(user)) {
        rig.load(annasCatalogue());
    }
    void show(std::size_t index) {
        rig.document.setCurrentDisc(*rig.document.catalogue().discs[index]);
    }
    const CQXDisc& disc(std::size_t index) { return *rig.document.catalogue().discs[index]; }
    LendActions lending() { return LendActions(rig.document, rig.prompt); }

    DocumentRig rig;
    CountingCommands commands{rig.document};
};

TEST(LendActions, LendChangesTheDiscShowsItAgainAndMarksTheDocument) {
    Desktop desktop;
    desktop.show(0);
    desktop.rig.clock.time = {2004, 3, 5, 10 * 3600};
    EXPECT_TRUE(desktop.lending().lend("John"));
    EXPECT_EQ(desktop.disc(0).location(), "John");
    EXPECT_EQ(desktop.rig.document.currentDisc().location(), "John");
    EXPECT_EQ(desktop.rig.document.currentDisc().lendDate(), "March 05 2004");
    EXPECT_TRUE(desktop.rig.document.isModified());
    EXPECT_EQ(desktop.commands.refreshes, 1);
    EXPECT_EQ(desktop.rig.prompt.shown,
              (std::vector{Shown{"John March 05 2004", MessageIcon::Information, {}}}));
}

TEST(LendActions, GetBackChangesTheDiscWithoutAWord) {
    Desktop desktop;
    desktop.show(1);
    desktop.rig.clock.time = {2004, 4, 1, 0};
    desktop.lending().getBack();
    EXPECT_EQ(desktop.disc(1).location(), "home");
    EXPECT_EQ(desktop.rig.document.currentDisc().location(), "home");
    EXPECT_EQ(desktop.rig.document.currentDisc().lendDate(), "April 01 2004");
    EXPECT_TRUE(desktop.rig.document.isModified());
    EXPECT_EQ(desktop.commands.refreshes, 1);
    EXPECT_TRUE(desktop.rig.prompt.messages.empty());
}

struct RefusalCase {
    const char* what;
    bool owner;
    std::size_t shownDisc;
    bool lend;
    std::string lendName;
    std::string message;
};

class LendingCommandsRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(LendingCommandsRefusal, ShowsTheRefusalAndLeavesEverythingAsItWas) {
    const RefusalCase& c = GetParam();
    Desktop desktop(c.owner ? DocumentRig::anna() : Identity{"ben", "digest"});
    desktop.show(c.shownDisc);
    const DiscTexts before = desktop.disc(c.shownDisc);
    if (c.lend) {
        EXPECT_FALSE(desktop.lending().lend(c.lendName));
    } else {
        desktop.lending().getBack();
    }
    EXPECT_EQ(desktop.rig.prompt.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(desktop.disc(c.shownDisc).location(), before.location());
    EXPECT_EQ(desktop.disc(c.shownDisc).lendDate(), before.lendDate());
    EXPECT_FALSE(desktop.rig.document.isModified());
    EXPECT_EQ(desktop.commands.refreshes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LendingCommandsRefusal,
    ::testing::Values(
        RefusalCase{"lend by another user", false, 0, true, "John",
                    "Operation not allowed! Logged in as : ben"},
        RefusalCase{"get back by another user", false, 1, false, "",
                    "Operation not allowed! Logged in as : ben"},
        RefusalCase{"lend of a lent disc", true, 1, true, "John", "This CD is already given away."},
        RefusalCase{"lend without a name", true, 0, true, "", "Please, enter a name."},
        RefusalCase{"get back of a disc at home", true, 0, false, "",
                    "This CD is already available."}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::erase(name, ' ');
        return name;
    });

TEST(LendActions, NothingHappensWithoutADiscOrWithoutACurrentDisc) {
    Desktop empty;
    empty.rig.load(CQXCatalog{});
    EXPECT_FALSE(empty.lending().lend("John"));
    empty.lending().getBack();
    EXPECT_TRUE(empty.rig.prompt.messages.empty());

    // Get back stops before the owner test when no disc is shown; Lend does not.
    Desktop stranger(Identity{"ben", "digest"});
    stranger.lending().getBack();
    EXPECT_TRUE(stranger.rig.prompt.messages.empty());
    EXPECT_FALSE(stranger.lending().lend("John"));
    EXPECT_EQ(stranger.rig.prompt.messages,
              std::vector<std::string>{"Operation not allowed! Logged in as : ben"});
}

}  // namespace
}  // namespace vorlix
