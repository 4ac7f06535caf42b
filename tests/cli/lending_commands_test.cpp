#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "app/settings/user_folders.h"
#include "cli/cli_test_fixture.h"
#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "support/german_locale.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

void addDisc(CQXCatalog& c, const std::string& number, const std::string& name,
             const std::string& location, const std::string& lendDate, const std::string& shared) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setName(name);
    disc->setLocation(location);
    disc->setLendDate(lendDate);
    disc->setShared(shared);
    disc->setOutline(number + " " + name + "\r\n\tdocs\r\n");
    disc->setOwnerName("anna");
    disc->setOwnerDigest(md5Hex("secret"));
    c.appendDisc(std::move(disc));
}

// Discs 1 and 3 at home; disc 2 lent to John on a day still to come, so never overdue; disc 5
// lent to Maria in 2000, overdue whatever today is.
CQXCatalog lendingCatalogue() {
    CQXCatalog c;
    c.addDefaultNamedObjects();
    addDisc(c, "1", "Alpha", "home", "", "Yes");
    addDisc(c, "2", "bravo", "John", "December 31 9999", "No");
    addDisc(c, "3", "Charlie", "home", "", "No");
    addDisc(c, "5", "delta", "Maria", "January 01 2000", "Yes");
    std::get<StringList>(*c.named.find("LendCombo")).items = {"John", "Maria"};
    return c;
}

CQXCatalog numbered(const std::vector<std::string>& numbers) {
    CQXCatalog c;
    c.addDefaultNamedObjects();
    for (const std::string& number : numbers) {
        addDisc(c, number, "DISC" + number, "home", "", "Yes");
    }
    return c;
}

const std::regex kDiscDate(
    "(January|February|March|April|May|June|July|August|September|October|November|December) "
    "[0-3][0-9] [0-9]{4}");

class LendingCommandsTest : public test::CliTest {
protected:
    void SetUp() override {
        ASSERT_EQ(run("accounts add anna", "secret").status, 0);
        ASSERT_EQ(run("accounts add ben", "secret").status, 0);
        save(lendingCatalogue());
    }

    void save(CQXCatalog catalogue) {
        test::writeFile(folder.file("cds.vrd"), writeCatalogue(catalogue, kCodePage));
    }
    std::string bytes() { return test::readFile(folder.file("cds.vrd")); }
    CQXCatalog stored() {
        const std::string file = bytes();
        MemorySource source(file);
        CQXCatalog result;
        readCatalogue(source, kCodePage, result);
        return result;
    }
    // The command on the catalogue file, as that user.
    test::CliRun as(const std::string& user, const std::string& command,
                    const std::string& operands = "") {
        return run(command + " " + quoted("cds.vrd") + " " + operands + " --user " + user,
                   "secret");
    }
    void overdueSettings(std::uint32_t enabled, std::uint32_t days) {
        RegFileSettingsStore settings(settingsFilePathFor(folder.file("config"), "/nonexistent"));
        settings.writeNumber(setting::kSettingsKey, setting::kEnableOverdue, enabled);
        settings.writeNumber(setting::kSettingsKey, setting::kIntervalDue, days);
    }
};

// The tool runs in a German locale for as long as it lives. With LOCPATH set, glibc's newlocale
// never frees the list of locale folders it builds, and p11-kit, which comes with libcurl, calls
// it as the tool starts; the leak checker of a sanitizer build is told to let that one go.
class GermanTool {
public:
    explicit GermanTool(const test::TempDir& folder) {
        setenv("LC_ALL", test::GermanLocale::kName, 1);
        const std::string suppressions = folder.file("lsan_suppressions.txt");
        test::writeFile(suppressions, "leak:__argz_add_sep\n");
        const char* options = std::getenv("LSAN_OPTIONS");
        m_options = options != nullptr ? std::optional<std::string>(options) : std::nullopt;
        const std::string before = m_options.value_or("");
        setenv("LSAN_OPTIONS",
               (before + (before.empty() ? "" : ":") +
                "print_suppressions=0:suppressions=" + suppressions)
                   .c_str(),
               1);
    }
    ~GermanTool() {
        unsetenv("LC_ALL");
        if (m_options) {
            setenv("LSAN_OPTIONS", m_options->c_str(), 1);
        } else {
            unsetenv("LSAN_OPTIONS");
        }
    }
    GermanTool(const GermanTool&) = delete;
    GermanTool& operator=(const GermanTool&) = delete;

    test::GermanLocale locale;

private:
    std::optional<std::string> m_options;
};

TEST_F(LendingCommandsTest, LendAndReturnWriteEnglishDatesUnderAGermanLocale) {
    const GermanTool german(folder);
    ASSERT_EQ(german.locale.localMonthName(), "März") << "the German locale is not in effect";

    const test::CliRun lent = as("anna", "lend", "1 Peter");
    ASSERT_EQ(lent.status, 0) << lent.err;
    EXPECT_EQ(lent.err, "");
    const CQXCatalog afterLend = stored();
    const CQXDisc& disc = *afterLend.discs[0];
    EXPECT_EQ(disc.location(), "Peter");
    EXPECT_TRUE(std::regex_match(std::string(disc.lendDate()), kDiscDate)) << disc.lendDate();
    EXPECT_EQ(lent.out, "Peter " + std::string(disc.lendDate()) + "\n");
    EXPECT_EQ(std::get<StringList>(*afterLend.named.find("LendCombo")).items,
              (std::vector<std::string>{"John", "Maria", "Peter"}));

    const test::CliRun back = as("anna", "return", "1");
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out, "");
    const CQXCatalog afterReturn = stored();
    EXPECT_EQ(afterReturn.discs[0]->location(), "home");
    EXPECT_TRUE(std::regex_match(std::string(afterReturn.discs[0]->lendDate()), kDiscDate));
    EXPECT_EQ(afterReturn.discs[3]->location(), "Maria") << "the other discs stay as they were";
}

TEST_F(LendingCommandsTest, LentMarksTheOverdueDiscsUnlessABorrowerIsAsked) {
    overdueSettings(1, 14);
    const std::string before = bytes();
    const test::CliRun all = as("anna", "lent");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out,
              "All non-available CDs\n"
              "2\tbravo\tJohn\tDecember 31 9999\n"
              "5\tdelta\tMaria\tJanuary 01 2000\toverdue\n");
    EXPECT_EQ(as("anna", "lent", "--json").out,
              R"([{"number":"2","name":"bravo","location":"John","lend_date":"December 31 9999",)"
              R"("overdue":false},{"number":"5","name":"delta","location":"Maria",)"
              R"("lend_date":"January 01 2000","overdue":true}])"
              "\n");
    EXPECT_EQ(as("anna", "lent", "--borrower Maria").out,
              "All CDs lent by Maria\n5\tdelta\tMaria\tJanuary 01 2000\n");
    EXPECT_EQ(as("anna", "lent", "--borrower Nobody").out, "All CDs are available\n");
    EXPECT_EQ(as("anna", "lent", "--borrower Nobody --json").out, "[]\n");

    overdueSettings(0, 14);
    EXPECT_EQ(as("anna", "lent").out.find("overdue"), std::string::npos);
    EXPECT_EQ(bytes(), before) << "lists leave the file alone";
}

TEST_F(LendingCommandsTest, AvailableListsTheDiscsAtHome) {
    const test::CliRun text = as("anna", "available");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "1\tAlpha\n3\tCharlie\n");
    EXPECT_EQ(as("anna", "available", "--json").out,
              R"([{"number":"1","name":"Alpha","shared":true},)"
              R"({"number":"3","name":"Charlie","shared":false}])"
              "\n");
}

struct GapsCase {
    std::vector<std::string> numbers;
    std::string json;
    std::string text;
};

void PrintTo(const GapsCase& c, std::ostream* out) {
    *out << c.json;
}

class GapsCommand : public LendingCommandsTest, public ::testing::WithParamInterface<GapsCase> {};

TEST_P(GapsCommand, PrintsTheMissingNumbers) {
    save(numbered(GetParam().numbers));
    const test::CliRun json = as("anna", "gaps", "--json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, GetParam().json + "\n");
    EXPECT_EQ(as("anna", "gaps").out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, GapsCommand,
                         ::testing::Values(GapsCase{{"1", "2", "5"}, "[3,4]", "3\n4\n"},
                                           GapsCase{
                                               {"1", "2", "3"}, "[]", "No gaps in the cd index.\n"},
                                           GapsCase{{"1", "7", "3"}, "[2]", "2\n"},
                                           GapsCase{{"05"}, "[1,2,3,4,5]", "1\n2\n3\n4\n5\n"}));

TEST_F(LendingCommandsTest, RenumberMovesTheDiscWithItsCover) {
    CQXCatalog catalogue = numbered({"1", "2", "9"});
    catalogue.named.set("CD9", ByteArray{{0xFF, 0xD8}});
    save(std::move(catalogue));
    const test::CliRun moved = as("anna", "renumber", "9 4");
    ASSERT_EQ(moved.status, 0) << moved.err;
    EXPECT_EQ(moved.out, "");
    const CQXCatalog after = stored();
    ASSERT_EQ(after.discs.size(), 3u);
    EXPECT_EQ(after.discs[2]->number(), "4");
    EXPECT_EQ(after.discs[2]->outline(), "4 DISC9\r\n\tdocs\r\n");
    EXPECT_EQ(std::get<ByteArray>(*after.named.find("CD4")).bytes,
              (std::vector<std::uint8_t>{0xFF, 0xD8}));

    const std::string before = bytes();
    EXPECT_EQ(as("anna", "renumber", "4 4").status, 0);
    EXPECT_EQ(bytes(), before);
}

// Every refusal: status 1, one line on stderr, nothing on stdout, the file's bytes as they were.
struct RefusalCase {
    const char* what;
    const char* user;
    const char* command;
    const char* operands;
    std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.what;
}

class Refusal : public LendingCommandsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ExitsWithOneLineAndLeavesTheFile) {
    const RefusalCase& c = GetParam();
    const std::string before = bytes();
    const test::CliRun result = as(c.user, c.command, c.operands);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "vorlix-cli: " + c.message + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(bytes(), before);
}

const std::string kNotOwner = "Operation not allowed! Logged in as : ben";

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    ::testing::Values(
        RefusalCase{"lend of a lent disc", "anna", "lend", "2 Peter",
                    "This CD is already given away."},
        RefusalCase{"lend without a name", "anna", "lend", "1 ''", "Please, enter a name."},
        RefusalCase{"lend of a disc nobody has", "anna", "lend", "4 Peter",
                    "There is no disc with this number, please enter a valid number."},
        RefusalCase{"return of a disc at home", "anna", "return", "1",
                    "This CD is already available."},
        RefusalCase{"renumber to a number in use", "anna", "renumber", "1 3",
                    "There is a CD with the same number. Please, enter another number."},
        RefusalCase{"renumber to 0", "anna", "renumber", "1 0", "Please, type a valid number."},
        RefusalCase{"renumber to a text", "anna", "renumber", "1 4a", "Please, provide a number."},
        RefusalCase{"lend by someone else", "ben", "lend", "1 Peter", kNotOwner},
        RefusalCase{"return by someone else", "ben", "return", "2", kNotOwner},
        RefusalCase{"lent by someone else", "ben", "lent", "", kNotOwner},
        RefusalCase{"available by someone else", "ben", "available", "", kNotOwner},
        RefusalCase{"gaps by someone else", "ben", "gaps", "--json", kNotOwner},
        RefusalCase{"renumber by someone else", "ben", "renumber", "1 4", kNotOwner}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

}  // namespace
}  // namespace vorlix
