#include "tasks/disc_lending.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "support/fixed_clock.h"
#include "support/german_locale.h"
#include "support/result_assertions.h"
#include "support/scripted_prompt.h"

namespace vorlix {
namespace {

using test::failedWith;
using test::Shown;
using test::succeeded;

const Identity kAnna{"anna", md5Hex("secret")};
const Windows1252 kCodePage;

std::unique_ptr<CQXDisc> disc(const std::string& number, const std::string& location) {
    auto d = std::make_unique<CQXDisc>();
    d->setNumber(number);
    d->setName("DISC " + number);
    d->setLocation(location);
    d->setOwnerName(kAnna.logName);
    d->setOwnerDigest(kAnna.passwordDigest);
    d->setShared("No");
    return d;
}

// Discs 1 and 2 at home, disc 3 lent to Maria; the borrower history knows Maria.
CQXCatalog catalogue() {
    CQXCatalog c;
    c.addDefaultNamedObjects();
    c.appendDisc(disc("1", "home"));
    c.appendDisc(disc("2", "home"));
    c.appendDisc(disc("3", "Maria"));
    c.discs[2]->setLendDate("February 01 2004");
    std::get<StringList>(*c.named.find("LendCombo")).items = {"Maria"};
    return c;
}

std::vector<std::string> history(const CQXCatalog& c) {
    return std::get<StringList>(*c.named.find("LendCombo")).items.toVector();
}

class DiscLendingTest : public ::testing::Test {
protected:
    DiscLending lending(const Identity& user = kAnna) {
        return DiscLending(cds, user, clock, prompt);
    }
    // The catalogue's own disc of that number, as the desktop shows it.
    DiscTexts shown(const std::string& number) { return *cds.findDisc(number); }

    CQXCatalog cds = catalogue();
    test::FixedClock clock;
    test::ScriptedPrompt prompt;
};

TEST_F(DiscLendingTest, DatesStayEnglishUnderAGermanLocale) {
    test::GermanLocale german;
    ASSERT_EQ(german.localMonthName(), "März") << "the German locale is not in effect";

    clock.time = {2004, 3, 5, 9 * 3600};
    EXPECT_TRUE(succeeded(lending().lend(shown("1"), "John")));
    EXPECT_EQ(cds.discs[0]->location(), "John");
    EXPECT_EQ(cds.discs[0]->lendDate(), "March 05 2004");
    EXPECT_EQ(prompt.shown,
              (std::vector{Shown{"John March 05 2004", MessageIcon::Information, {}}}));

    clock.time = {2004, 12, 24, 18 * 3600};
    EXPECT_TRUE(succeeded(lending().getBack(shown("1"))));
    EXPECT_EQ(cds.discs[0]->location(), "home");
    EXPECT_EQ(cds.discs[0]->lendDate(), "December 24 2004");
    EXPECT_EQ(prompt.shown.size(), 1u) << "Get back confirms nothing";
}

TEST_F(DiscLendingTest, ABorrowerJoinsTheHistoryOnceComparedExactly) {
    EXPECT_TRUE(succeeded(lending().lend(shown("1"), "john")));
    EXPECT_TRUE(succeeded(lending().lend(shown("2"), "Maria")));
    EXPECT_TRUE(succeeded(lending().getBack(shown("1"))));
    EXPECT_TRUE(succeeded(lending().lend(shown("1"), "John")));
    EXPECT_TRUE(succeeded(lending().getBack(shown("1"))));
    EXPECT_TRUE(succeeded(lending().lend(shown("1"), "john")));
    EXPECT_EQ(history(cds), (std::vector<std::string>{"Maria", "john", "John"}));
}

TEST_F(DiscLendingTest, GetBackThenLendRecordsTheNewBorrowerAndToday) {
    clock.time = {2004, 3, 10, 0};
    EXPECT_TRUE(succeeded(lending().getBack(shown("3"))));
    EXPECT_EQ(cds.discs[2]->lendDate(), "March 10 2004");
    clock.time = {2004, 3, 11, 0};
    EXPECT_TRUE(succeeded(lending().lend(shown("3"), "Peter")));
    EXPECT_EQ(cds.discs[2]->location(), "Peter");
    EXPECT_EQ(cds.discs[2]->lendDate(), "March 11 2004");
}

TEST_F(DiscLendingTest, LendingToSomebodyCalledHomeLeavesTheDiscAvailable) {
    EXPECT_TRUE(succeeded(lending().lend(shown("1"), "home")));
    EXPECT_EQ(cds.discs[0]->location(), "home");
    EXPECT_EQ(cds.discs[0]->lendDate(), "March 05 2004");
    EXPECT_TRUE(succeeded(lending().lend(shown("1"), "John")));
}

// The desktop's copy of the disc decides, even when the catalogue's disc has changed since it
// was shown (the non-available list's Get Back does not refresh it).
TEST_F(DiscLendingTest, TheShownDiscDecidesWhetherTheDiscIsAtHome) {
    const DiscTexts stale = shown("3");
    returnDiscsHome(cds, {"3"});
    EXPECT_TRUE(failedWith(lending().lend(stale, "John"), kAlreadyGivenAwayMessage));
    EXPECT_TRUE(succeeded(lending().getBack(stale)));
    EXPECT_EQ(cds.discs[2]->lendDate(), "March 05 2004");
}

TEST_F(DiscLendingTest, WithoutTheBorrowerHistoryTheLendSaysSoAndGoesOn) {
    for (NamedObject wrongOrMissing : {NamedObject{StringMap{}}, NamedObject{ByteArray{}}}) {
        cds = catalogue();
        cds.named.set("LendCombo", wrongOrMissing);
        prompt.shown.clear();
        EXPECT_TRUE(succeeded(lending().lend(shown("1"), "John")));
        EXPECT_EQ(cds.discs[0]->location(), "John");
        EXPECT_EQ(
            prompt.shown,
            (std::vector{Shown{"CCommandsView::OnButtonLend()  #Map Lookup", MessageIcon::None, {}},
                         Shown{"John March 05 2004", MessageIcon::Information, {}}}));
    }
    cds = catalogue();
    cds.named = {};
    prompt.shown.clear();
    EXPECT_TRUE(succeeded(lending().lend(shown("2"), "John")));
    EXPECT_EQ(prompt.messages.front(), "CCommandsView::OnButtonLend()  #Map Lookup");
}

TEST(ReturnDiscsHome, PutsTheListedDiscsHomeAndKeepsTheirLendDates) {
    CQXCatalog cds = catalogue();
    cds.discs[1]->setLocation("Peter");
    cds.discs[1]->setLendDate("March 01 2004");
    returnDiscsHome(cds, {"3", "7", "2"});
    EXPECT_EQ(cds.discs[1]->location(), "home");
    EXPECT_EQ(cds.discs[1]->lendDate(), "March 01 2004");
    EXPECT_EQ(cds.discs[2]->location(), "home");
    EXPECT_EQ(cds.discs[2]->lendDate(), "February 01 2004");
}

// Every refusal leaves the catalogue exactly as it was and shows nothing itself.
struct RefusalCase {
    const char* what;
    std::function<void(CQXCatalog&)> arrange;
    Identity user;
    std::function<Result(DiscLending&, CQXCatalog&)> act;
    std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.what;
}

class DiscLendingRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(DiscLendingRefusal, ChangesNothing) {
    const RefusalCase& c = GetParam();
    CQXCatalog cds = catalogue();
    c.arrange(cds);
    const std::string before = writeCatalogue(cds, kCodePage);
    test::FixedClock clock;
    test::ScriptedPrompt prompt;
    DiscLending lending(cds, c.user, clock, prompt);
    EXPECT_TRUE(failedWith(c.act(lending, cds), c.message));
    EXPECT_EQ(writeCatalogue(cds, kCodePage), before);
    EXPECT_TRUE(prompt.messages.empty());
}

Result lendFirst(DiscLending& l, CQXCatalog& c) {
    return l.lend(*c.discs[0], "John");
}
Result getBackFirst(DiscLending& l, CQXCatalog& c) {
    return l.getBack(*c.discs[0]);
}

const Identity kBen{"ben", md5Hex("other")};
const Identity kAnnaWrongPassword{"anna", md5Hex("wrong")};
void leaveAsItIs(CQXCatalog&) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiscLendingRefusal,
    ::testing::Values(
        RefusalCase{"lend by another user", leaveAsItIs, kBen, lendFirst,
                    "Operation not allowed! Logged in as : ben"},
        RefusalCase{"lend by the owner's name with another password", leaveAsItIs,
                    kAnnaWrongPassword, lendFirst, "Operation not allowed! Logged in as : anna"},
        RefusalCase{"get back by another user",
                    [](CQXCatalog& c) { c.discs[0]->setLocation("Maria"); }, kBen, getBackFirst,
                    "Operation not allowed! Logged in as : ben"},
        RefusalCase{"lend of a lent disc", [](CQXCatalog& c) { c.discs[0]->setLocation("Maria"); },
                    kAnna, lendFirst, "This CD is already given away."},
        RefusalCase{"lend of a disc scanned from a folder",
                    [](CQXCatalog& c) { c.discs[0]->setLocation("virtual"); }, kAnna, lendFirst,
                    "This CD is already given away."},
        RefusalCase{"lend of a disc at Home, which is not home",
                    [](CQXCatalog& c) { c.discs[0]->setLocation("Home"); }, kAnna, lendFirst,
                    "This CD is already given away."},
        RefusalCase{"lend without a name", leaveAsItIs, kAnna,
                    [](DiscLending& l, CQXCatalog& c) { return l.lend(*c.discs[0], ""); },
                    "Please, enter a name."},
        RefusalCase{"get back of a disc at home", leaveAsItIs, kAnna, getBackFirst,
                    "This CD is already available."}));

}  // namespace
}  // namespace vorlix
