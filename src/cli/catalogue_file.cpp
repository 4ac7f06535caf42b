#include "cli/catalogue_file.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "cli/cli_command.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

FileLock lockCatalogueFile(const std::string& path) {
    FileLock lock;
    if (const Result locked = lock.acquire(path); !locked.ok()) {
        throw CommandFailure{path + ": " + locked.message()};
    }
    return lock;
}

CQXCatalog readCatalogueFile(const std::string& path, const CodePage& codePage) {
    CQXCatalog catalogue;
    try {
        FileSource source(path);
        // A file of no bytes is an empty catalogue, as the desktop program opens it.
        if (source.size() > 0) {
            readCatalogue(source, codePage, catalogue);
        }
    } catch (const ArchiveError& e) {
        throw CommandFailure{path + ": " + e.what() + " at byte " + std::to_string(e.offset())};
    } catch (const std::exception& e) {
        throw CommandFailure{path + ": " + e.what()};
    }
    return catalogue;
}

void requireNewFile(const std::string& path, const CliArguments& arguments) {
    std::error_code error;
    if (!arguments.has("--force") &&
        std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        throw CommandFailure{path + ": the file already exists; give --force to replace it"};
    }
}

void writeCatalogueFile(CQXCatalog& catalogue, const std::string& path, const CodePage& codePage) {
    const Result written =
        safeWriteFile(path, [&](ByteSink& sink) { writeCatalogue(catalogue, codePage, sink); });
    if (!written.ok()) {
        throw CommandFailure{path + ": cannot write: " + written.message()};
    }
}

}  // namespace vorlix
