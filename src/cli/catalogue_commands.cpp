#include "cli/catalogue_commands.h"

#include <cstdio>

#include "cli/catalogue_dump.h"
#include "cli/catalogue_file.h"
#include "cli/demo_catalogue.h"

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
                            const CQXCatalog catalogue = readCatalogueFile(a.operands[0], *cp);
                            if (a.has("--json")) {
                                dumpJson(catalogue, *cp, stdout);
                            } else {
                                dumpText(catalogue, *cp, stdout);
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
                               CQXCatalog catalogue = readCatalogueFile(a.operands[0], *cp);
                               writeCatalogueFile(catalogue, a.operands[1], *cp);
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
