#include "cli/number_commands.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/console_prompt.h"
#include "cli/owned_catalogue.h"
#include "core/numbers.h"
#include "tasks/disc_gaps.h"
#include "tasks/disc_number_actions.h"
#include "views/logic/disc_tree_renumber.h"

namespace vorlix {

namespace {

// The desktop's number field takes digits only and says so for anything else.
constexpr std::string_view kNotANumberMessage = "Please, provide a number.";

void runGaps(const CliArguments& a, const CodePage& codePage) {
    ConsolePrompt prompt;
    OwnedCatalogue owned(a, a.operands[0], codePage, prompt);
    const DiscGaps gaps(owned.catalogue());
    const bool json = a.has("--json");
    if (gaps.empty()) {
        std::printf("%s\n", json ? "[]" : std::string(kNoGapsMessage).c_str());
        return;
    }
    // Written as they are found: the list can be as long as the numbers go.
    std::fputs(json ? "[" : "", stdout);
    for (std::int64_t i = 0; i < gaps.count(); ++i) {
        const char* separator = json && i > 0 ? "," : "";
        std::printf(json ? "%s%lld" : "%s%lld\n", separator, static_cast<long long>(gaps.at(i)));
    }
    std::fputs(json ? "]\n" : "", stdout);
}

void runRenumber(const CliArguments& a, const CodePage& codePage) {
    ConsolePrompt prompt;
    OwnedCatalogue owned(a, a.operands[0], codePage, prompt);
    const std::string oldNumber(owned.disc(a.operands[1]).number());
    const std::string& newNumber = a.operands[2];
    if (!std::ranges::all_of(newNumber, [](char c) { return c >= '0' && c <= '9'; })) {
        throw CommandFailure{std::string(kNotANumberMessage)};
    }
    if (leadingInt(newNumber) < 1) {
        throw CommandFailure{std::string(kInvalidNumberMessage)};
    }
    if (newNumber == oldNumber) {
        return;
    }
    // The desktop leaves a taken number alone without a word; a command that changed nothing
    // has to say so.
    if (owned.catalogue().discExists(newNumber)) {
        throw CommandFailure{std::string(kSameNumberMessage)};
    }
    static_cast<void>(renumberCatalogueDisc(owned.catalogue(), oldNumber, newNumber, prompt));
    owned.save();
}

}  // namespace

void addNumberCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["gaps"] = {"gaps CATALOGUE [--json] [--user NAME]",
                        "list the numbers up to the last disc's that no disc carries",
                        1,
                        1,
                        {"--user", "--json"},
                        [cp](const CliArguments& a) { runGaps(a, *cp); }};
    commands["renumber"] = {"renumber CATALOGUE DISC NEW [--user NAME]",
                            "give the disc with that number the number NEW",
                            3,
                            3,
                            {"--user"},
                            [cp](const CliArguments& a) { runRenumber(a, *cp); }};
}

}  // namespace vorlix
