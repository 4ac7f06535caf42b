#include "cli/catalogue_file_dump.h"

#include <exception>

#include "cli/catalogue_dump.h"
#include "cli/cli_command.h"
#include "core/catalog_format.h"
#include "platform/file_source.h"

namespace vorlix {

void dumpCatalogueFile(const std::string& path, const CodePage& codePage, CatalogueDump& dump) {
    CQXCatalog rest;
    try {
        if (FileSource whole(path); whole.size() > 0) {
            checkCatalogue(whole, codePage);
            FileSource source(path);
            readCatalogue(source, codePage, rest, dump);
        } else {
            dump.start(0);
        }
    } catch (const ArchiveError& e) {
        throw CommandFailure{path + ": " + e.what() + " at byte " + std::to_string(e.offset())};
    } catch (const std::exception& e) {
        throw CommandFailure{path + ": " + e.what()};
    }
    dump.finish(rest);
}

}  // namespace vorlix
