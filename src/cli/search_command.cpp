#include "cli/search_command.h"

#include <atomic>

#include "app/search_query.h"
#include "app/search_service.h"
#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "cli/owner_check.h"
#include "cli/search_output.h"
#include "search/search_index.h"
#include "search/search_task.h"

namespace vorlix {

namespace {

SearchParameters parametersOf(const CliArguments& a, bool seeAll) {
    if (a.has("--files") && a.has("--discs")) {
        throw CommandFailure{"--files and --discs exclude each other"};
    }
    SearchParameters parameters;
    parameters.pattern = a.operands[1];
    parameters.mode = a.has("--discs") ? kSearchDiscs : kSearchFiles;
    parameters.categories = a.valuesOf("--category");
    // Naming categories is what the window's category actions do: the search goes by category.
    parameters.scope =
        parameters.categories.empty() && !a.has("--or") ? kScopeEverything : kScopeByCategory;
    parameters.combinator = a.has("--or") ? kCategoriesOr : kCategoriesAnd;
    parameters.discNumber = a.value("--in-cd").value_or("");
    parameters.artist = a.value("--artist").value_or("");
    parameters.folder = a.value("--folder").value_or("");
    parameters.maySeeAll = seeAll;
    return parameters;
}

void runSearch(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    const Identity identity = session.login();
    const CQXCatalog catalogue = readCatalogueFile(a.operands[0], codePage);
    const SearchTask task(parametersOf(a, maySeeAll(catalogue, identity)));
    SearchIndex index;
    SearchOutput output(a.has("--json"));
    const std::atomic<bool> never{false};
    static_cast<void>(task.run(*index.discs(catalogue), never, output));
    output.finish();
}

}  // namespace

void addSearchCommand(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["search"] = {
        "search CATALOGUE PATTERN [--files|--discs] [--in-cd N] [--artist A] [--folder F] "
        "[--category C]... [--or] [--json] [--user NAME]",
        "find files (or discs) by name, as the search window does",
        2,
        2,
        {"--files", "--discs", "--in-cd", "--artist", "--folder", "--category", "--or", "--json",
         "--user"},
        [cp](const CliArguments& a) { runSearch(a, *cp); }};
}

}  // namespace vorlix
