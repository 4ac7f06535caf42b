#include "cli/catalogue_commands.h"

#include <cstdio>

#include "cli/catalogue_file.h"
#include "cli/catalogue_file_convert.h"
#include "cli/catalogue_file_dump.h"
#include "cli/demo_catalogue.h"
#include "cli/json_dump.h"
#include "cli/text_dump.h"

namespace vorlix {

void addCatalogueCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["new"] = {"new FILE [--force]",
                       "write a new empty catalogue (--force replaces an existing file)",
                       1,
                       1,
                       {"--force"},
                       [cp](const CliArguments& a) {
                           const FileLock lock = lockCatalogueFile(a.operands[0]);
                           requireNewFile(a.operands[0], a);
                           CQXCatalog catalogue;
                           catalogue.addDefaultNamedObjects();
                           writeCatalogueFile(catalogue, a.operands[0], *cp);
                       }};
    commands["dump"] = {"dump FILE [--json]",
                        "show a whole catalogue as stored",
                        1,
                        1,
                        {"--json"},
                        [cp](const CliArguments& a) {
                            if (a.has("--json")) {
                                JsonDump dump(*cp, stdout);
                                dumpCatalogueFile(a.operands[0], *cp, dump);
                            } else {
                                TextDump dump(*cp, stdout);
                                dumpCatalogueFile(a.operands[0], *cp, dump);
                            }
                        }};
    commands["convert"] = {"convert IN OUT",
                           "read a .vrd or .qvd catalogue and write it as .vrd",
                           2,
                           2,
                           {},
                           [cp](const CliArguments& a) {
                               // Taken before IN is read, since IN may be the file itself.
                               const FileLock lock = lockCatalogueFile(a.operands[1]);
                               convertCatalogueFile(a.operands[0], a.operands[1], *cp);
                           }};
    commands["make-demo"] = {"make-demo FILE [--force]",
                             "write the installation's demo catalogue",
                             1,
                             1,
                             {"--force"},
                             [cp](const CliArguments& a) {
                                 const FileLock lock = lockCatalogueFile(a.operands[0]);
                                 requireNewFile(a.operands[0], a);
                                 CQXCatalog catalogue = makeDemoCatalogue();
                                 writeCatalogueFile(catalogue, a.operands[0], *cp);
                             }};
}

}  // namespace vorlix
