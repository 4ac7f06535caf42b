#include "cli/catalogue_file.h"

#include <exception>

#include "cli/cli_command.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

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
    const Result written =
        safeWriteFile(path, [&](ByteSink& sink) { writeCatalogue(catalogue, codePage, sink); });
    if (!written.ok()) {
        throw CommandFailure{path + ": cannot write: " + written.message()};
    }
}

}  // namespace vorlix
