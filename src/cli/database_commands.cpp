#include "cli/database_commands.h"

#include <cstdio>
#include <string>

#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "cli/json_text.h"
#include "cli/owner_check.h"
#include "cli/stderr_prompt.h"
#include "cli/terminal_text.h"
#include "core/catalog.h"
#include "core/database_info.h"
#include "scan/database_optimizer.h"
#include "scan/filter_lists.h"

namespace vorlix {
namespace {

void printInfo(const DatabaseInfo& info) {
    std::string text = "Database Owner: ";
    appendTerminalText(text, info.owner);
    text += "\nNumber of Files: " + std::to_string(info.files) +
            "\nNumber of Discs: " + std::to_string(info.discs) +
            "\nShared Discs: " + std::to_string(info.shared) +
            "\nAvailable Discs: " + std::to_string(info.available) +
            "\nNon-Available Discs: " + std::to_string(info.nonAvailable) +
            "\nNumber of Categories: " + std::to_string(info.categories) +
            "\nOverall Database Size: " + info.size + "\n";
    std::fputs(text.c_str(), stdout);
}

void printInfoJson(const DatabaseInfo& info) {
    std::string text = "{\"owner\":";
    appendJsonString(text, info.owner);
    text += ",\"files\":" + std::to_string(info.files) +
            ",\"discs\":" + std::to_string(info.discs) +
            ",\"shared\":" + std::to_string(info.shared) +
            ",\"available\":" + std::to_string(info.available) +
            ",\"nonAvailable\":" + std::to_string(info.nonAvailable) +
            ",\"categories\":" + std::to_string(info.categories) + ",\"size\":";
    appendJsonString(text, info.size);
    text += "}\n";
    std::fputs(text.c_str(), stdout);
}

// With no dialog to move them to the keep list, the unknown extensions are named and left on
// neither list: their entries count as removed, as they would after a dialog closed unchanged.
class ReportedExtensions final : public ExtensionReview {
public:
    void review(FilterLists&, std::vector<std::string>& detected) override {
        std::string list;
        for (const std::string& extension : detected) {
            list += list.empty() ? "" : " ";
            appendTerminalText(list, extension.empty() ? "(empty)" : extension);
        }
        std::fprintf(stderr, "vorlix-cli: on neither filter list: %s\n", list.c_str());
    }
};

void runInfo(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    static_cast<void>(session.login());
    const DatabaseInfo info = databaseInfo(readCatalogueFile(a.operands[0], codePage));
    if (a.has("--json")) {
        printInfoJson(info);
    } else {
        printInfo(info);
    }
}

// Without --yes only the count is shown and nothing changes.
void runOptimize(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    const Identity identity = session.login();
    const std::string& path = a.operands[0];
    CQXCatalog catalogue = readCatalogueFile(path, codePage);
    checkOwner(catalogue, identity);
    FilterLists lists(session.programFolder(), codePage);
    const bool yes = a.has("--yes");
    StderrPrompt prompt(yes ? Answer::Yes : Answer::No);
    ReportedExtensions review;
    DatabaseOptimizer optimizer(lists, session.settings(), prompt, review);
    if (!yes) {
        if (const Result loaded = lists.load(); !loaded.ok()) {
            throw CommandFailure{loaded.message()};
        }
        std::string counts = optimizationCheckText(optimizer.count(catalogue));
        counts.resize(counts.rfind('\n') + 1);
        std::printf("%sNothing was removed: give --yes to remove them.\n", counts.c_str());
        return;
    }
    if (!optimizer.confirm(catalogue)) {
        throw CommandFailure{"nothing was removed"};
    }
    optimizer.removeEntries(catalogue);
    writeCatalogueFile(catalogue, path, codePage);
}

}  // namespace

void addDatabaseCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["info"] = {"info CATALOGUE [--json] [--user NAME]",
                        "show the figures of Database Info",
                        1,
                        1,
                        {"--json", "--user"},
                        [cp](const CliArguments& a) { runInfo(a, *cp); }};
    commands["optimize"] = {"optimize CATALOGUE [--yes] [--user NAME]",
                            "remove entries whose extension the keep list lacks (--yes to do it)",
                            1,
                            1,
                            {"--yes", "--user"},
                            [cp](const CliArguments& a) { runOptimize(a, *cp); }};
}

}  // namespace vorlix
