#include "cli/lend_commands.h"

#include <cstdio>
#include <string>

#include "cli/console_prompt.h"
#include "cli/json_text.h"
#include "cli/owned_catalogue.h"
#include "platform/system_clock.h"
#include "tasks/disc_lending.h"
#include "tasks/lending_lists.h"

namespace vorlix {

namespace {

void check(const Result& result) {
    if (!result.ok()) {
        throw CommandFailure{result.message()};
    }
}

void runLend(const CliArguments& a, const CodePage& codePage) {
    ConsolePrompt prompt;
    OwnedCatalogue owned(a, a.operands[0], codePage, prompt);
    const DiscTexts shown = owned.disc(a.operands[1]);
    const SystemClock clock;
    DiscLending lending(owned.catalogue(), owned.user(), clock, prompt);
    check(lending.lend(shown, a.operands[2]));
    owned.save();
    prompt.printInformation();
}

void runReturn(const CliArguments& a, const CodePage& codePage) {
    ConsolePrompt prompt;
    OwnedCatalogue owned(a, a.operands[0], codePage, prompt);
    const DiscTexts shown = owned.disc(a.operands[1]);
    const SystemClock clock;
    DiscLending lending(owned.catalogue(), owned.user(), clock, prompt);
    check(lending.getBack(shown));
    owned.save();
}

// The rows as a JSON array of objects, written compactly as dump --json writes.
class JsonRows {
public:
    void beginRow() { m_json += m_json.size() > 1 ? ",{" : "{"; }
    void text(const char* name, std::string_view value) {
        field(name);
        appendJsonString(m_json, value);
    }
    void flag(const char* name, bool value) {
        field(name);
        m_json += value ? "true" : "false";
    }
    void endRow() { m_json += "}"; }
    void print() const { std::printf("%s]\n", m_json.c_str()); }

private:
    void field(const char* name) {
        if (m_json.back() != '{') {
            m_json += ',';
        }
        appendJsonString(m_json, name);
        m_json += ':';
    }

    std::string m_json = "[";
};

void runLent(const CliArguments& a, const CodePage& codePage) {
    ConsolePrompt prompt;
    OwnedCatalogue owned(a, a.operands[0], codePage, prompt);
    const NonAvailableList list =
        nonAvailableDiscRows(owned.catalogue(), a.value("--borrower").value_or(""),
                             readOverdueRule(owned.settings()), SystemClock().now());
    if (a.has("--json")) {
        JsonRows json;
        for (const LendingRow& row : list.rows) {
            json.beginRow();
            json.text("number", row.number);
            json.text("name", row.name);
            json.text("location", row.location);
            json.text("lend_date", row.lendDate);
            json.flag("overdue", row.picture == DiscPicture::Overdue);
            json.endRow();
        }
        json.print();
        return;
    }
    if (list.rows.empty()) {
        std::printf("%s\n", std::string(kAllAvailableMessage).c_str());
        return;
    }
    std::printf("%s\n", list.caption.c_str());
    for (const LendingRow& row : list.rows) {
        std::printf("%s\t%s\t%s\t%s%s\n", row.number.c_str(), row.name.c_str(),
                    row.location.c_str(), row.lendDate.c_str(),
                    row.picture == DiscPicture::Overdue ? "\toverdue" : "");
    }
}

void runAvailable(const CliArguments& a, const CodePage& codePage) {
    ConsolePrompt prompt;
    OwnedCatalogue owned(a, a.operands[0], codePage, prompt);
    const std::vector<LendingRow> rows = availableDiscRows(owned.catalogue());
    if (a.has("--json")) {
        JsonRows json;
        for (const LendingRow& row : rows) {
            json.beginRow();
            json.text("number", row.number);
            json.text("name", row.name);
            json.flag("shared", row.picture == DiscPicture::Shared);
            json.endRow();
        }
        json.print();
        return;
    }
    for (const LendingRow& row : rows) {
        std::printf("%s\t%s\n", row.number.c_str(), row.name.c_str());
    }
}

}  // namespace

void addLendCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["lend"] = {"lend CATALOGUE DISC NAME [--user NAME]",
                        "lend the disc with that number to NAME, dated today",
                        3,
                        3,
                        {"--user"},
                        [cp](const CliArguments& a) { runLend(a, *cp); }};
    commands["return"] = {"return CATALOGUE DISC [--user NAME]",
                          "get the disc with that number back home, dated today",
                          2,
                          2,
                          {"--user"},
                          [cp](const CliArguments& a) { runReturn(a, *cp); }};
    commands["lent"] = {"lent CATALOGUE [--borrower NAME] [--json] [--user NAME]",
                        "list the discs not at home, or those lent to NAME; overdue ones marked",
                        1,
                        1,
                        {"--user", "--borrower", "--json"},
                        [cp](const CliArguments& a) { runLent(a, *cp); }};
    commands["available"] = {"available CATALOGUE [--json] [--user NAME]",
                             "list the discs at home",
                             1,
                             1,
                             {"--user", "--json"},
                             [cp](const CliArguments& a) { runAvailable(a, *cp); }};
}

}  // namespace vorlix
