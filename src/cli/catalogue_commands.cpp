#include "cli/catalogue_commands.h"

#include <cstdio>
#include <exception>

#include "cli/catalogue_dump.h"
#include "cli/demo_catalogue.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

namespace {

CQXCatalog readCatalogueFile(const std::string& path, const CodePage& codePage) {
    CQXCatalog catalogue;
    try {
        FileSource source(path);
        readCatalogue(source, codePage, catalogue);
    } catch (const ArchiveError& e) {
        throw CommandFailure{path + ": " + e.what() + " at byte " + std::to_string(e.offset())};
    } catch (const std::exception& e) {
        throw CommandFailure{path + ": " + e.what()};
    }
    return catalogue;
}

void writeCatalogueFile(CQXCatalog& catalogue, const std::string& path, const CodePage& codePage) {
    const std::string failure =
        safeWriteFile(path, [&](ByteSink& sink) { writeCatalogue(catalogue, codePage, sink); });
    if (!failure.empty()) {
        throw CommandFailure{path + ": cannot write: " + failure};
    }
}

}  // namespace

void addCatalogueCommands(CliCommands& commands, const CodePage& codePage) {
    const CodePage* cp = &codePage;
    commands["new"] = {
        "new FILE", "write a new empty catalogue", 1, 1, {}, [cp](const CliArguments& a) {
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
                               CQXCatalog catalogue = readCatalogueFile(a.operands[0], *cp);
                               writeCatalogueFile(catalogue, a.operands[1], *cp);
                           }};
    commands["make-demo"] = {"make-demo FILE",
                             "write the installation's demo catalogue",
                             1,
                             1,
                             {},
                             [cp](const CliArguments& a) {
                                 CQXCatalog catalogue = makeDemoCatalogue();
                                 writeCatalogueFile(catalogue, a.operands[0], *cp);
                             }};
}

}  // namespace vorlix
