#include "cli/export_html_command.h"

#include <filesystem>
#include <string>

#include "cli/catalogue_file.h"
#include "cli/cli_session.h"
#include "platform/safe_file_write.h"
#include "scan/scanned_disc.h"
#include "tasks/html_export/database_export.h"

namespace vorlix {
namespace {

// The page lists every disc, shared or not, as the desktop's export does: it needs a login but
// not the owner.
void runExportHtml(const CliArguments& a, const CodePage& codePage) {
    CliSession session(a, codePage);
    static_cast<void>(session.login());
    const std::string& cataloguePath = a.operands[0];
    const CQXCatalog catalogue = readCatalogueFile(cataloguePath, codePage);
    const std::string title = std::filesystem::path(cataloguePath).filename().string();
    const std::string& out = a.operands[1];
    if (const Result written =
            safeWriteFile(out, databaseExportPage(catalogue, title, todayDiscDateText()));
        !written.ok()) {
        throw CommandFailure{written.message()};
    }
}

}  // namespace

void addExportHtmlCommand(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["export-html"] = {"export-html CATALOGUE OUT.html [--user NAME]",
                               "write the database export page of a catalogue",
                               2,
                               2,
                               {"--user"},
                               [cp](const CliArguments& a) { runExportHtml(a, *cp); }};
}

}  // namespace vorlix
