#include "tasks/disc_number_actions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/document_rig.h"
#include "support/quiet_panes.h"

namespace vorlix {
namespace {

using test::DocumentRig;

// The disc tree as the number commands drive it: records renames and selects the discs it
// shows.
struct RecordingTree final : test::QuietDiscTree {
    explicit RecordingTree(CQX2Doc& document) : document(document) { document.addPane(*this); }
    ~RecordingTree() override { document.removePane(*this); }
    bool selectDisc(const std::string& number) override {
        if (!shown.contains(number)) {
            return false;
        }
        selected.push_back(number);
        return true;
    }
    void renameDisc(const std::string& number, const std::string& name) override {
        renames.emplace_back(number, name);
    }

    CQX2Doc& document;
    std::set<std::string> shown{"1", "2", "05"};
    std::vector<std::string> selected;
    std::vector<std::pair<std::string, std::string>> renames;
};

// Disc 1 shared, disc 2 not, disc 05 shared; all anna's.
CQXCatalog annasCatalogue() {
    CQXCatalog catalogue;
    for (const auto& [number, shared] :
         {std::pair{"1", "Yes"}, std::pair{"2", "No"}, std::pair{"05", "Yes"}}) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(number);
        disc->setShared(shared);
        disc->setOwnerName(DocumentRig::anna().logName);
        disc->setOwnerDigest(DocumentRig::anna().passwordDigest);
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

struct Desktop {
    explicit Desktop(Identity user = DocumentRig::anna()) : rig(std::move(user)) {
        rig.load(annasCatalogue());
    }
    DiscNumberActions commands() { return DiscNumberActions(rig.document, rig.prompt); }

    DocumentRig rig;
    RecordingTree tree{rig.document};
};

const Identity kBen{"ben", "digest"};

TEST(ChangeNumber, HandsTheNumberAndNameToTheTreesRename) {
    Desktop desktop;
    desktop.commands().changeNumber("4", "NEW NAME");
    using Rename = std::pair<std::string, std::string>;
    EXPECT_EQ(desktop.tree.renames, (std::vector<Rename>{{"4", "NEW NAME"}}));
    EXPECT_TRUE(desktop.rig.prompt.messages.empty());
}

TEST(ChangeNumber, RefusesANumberBelowOneAndAnyoneButTheOwner) {
    for (const char* number : {"0", "", "00", "x7"}) {
        Desktop desktop;
        desktop.commands().changeNumber(number, "NAME");
        EXPECT_TRUE(desktop.tree.renames.empty()) << number;
        EXPECT_EQ(desktop.rig.prompt.messages,
                  std::vector<std::string>{"Please, type a valid number."})
            << number;
    }
    Desktop stranger(kBen);
    stranger.commands().changeNumber("4", "NAME");
    EXPECT_TRUE(stranger.tree.renames.empty());
    EXPECT_EQ(stranger.rig.prompt.messages,
              std::vector<std::string>{"Operation not allowed! Logged in as : ben"});

    Desktop empty;
    empty.rig.load(CQXCatalog{});
    empty.commands().changeNumber("0", "NAME");
    EXPECT_TRUE(empty.rig.prompt.messages.empty()) << "nothing at all without a disc";
}

struct ShowCase {
    const char* what;
    bool owner;
    std::int32_t number;
    bool selected;
};

class ShowDisc : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowDisc, SelectsADiscTheUserMaySeeOrSaysThereIsNone) {
    const ShowCase& c = GetParam();
    Desktop desktop(c.owner ? DocumentRig::anna() : kBen);
    desktop.commands().showDisc(c.number);
    if (c.selected) {
        EXPECT_EQ(desktop.tree.selected, std::vector<std::string>{std::to_string(c.number)});
        EXPECT_TRUE(desktop.rig.prompt.messages.empty());
    } else {
        EXPECT_TRUE(desktop.tree.selected.empty());
        EXPECT_EQ(desktop.rig.prompt.messages,
                  std::vector<std::string>{
                      "There is no disc with this number, please enter a valid number."});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ShowDisc,
                         ::testing::Values(ShowCase{"owner, shared disc", true, 1, true},
                                           ShowCase{"owner, disc not shared", true, 2, true},
                                           ShowCase{"owner, no such disc", true, 3, false},
                                           ShowCase{"owner, 5 is not 05", true, 5, false},
                                           ShowCase{"stranger, shared disc", false, 1, true},
                                           ShowCase{"stranger, disc not shared", false, 2, false},
                                           ShowCase{"stranger, no such disc", false, 3, false}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::erase_if(name, [](char c) {
                                 return !std::isalnum(static_cast<unsigned char>(c));
                             });
                             return name;
                         });

TEST(ShowDisc, ADiscTheTreeDoesNotShowNowIsNotFound) {
    Desktop desktop;
    desktop.tree.shown = {"1"};
    desktop.commands().showDisc(2);
    EXPECT_EQ(desktop.rig.prompt.messages.size(), 1u);

    Desktop empty;
    empty.rig.load(CQXCatalog{});
    empty.commands().showDisc(1);
    EXPECT_TRUE(empty.rig.prompt.messages.empty());
}

}  // namespace
}  // namespace vorlix
