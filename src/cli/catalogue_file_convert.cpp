#include "cli/catalogue_file_convert.h"

#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/cli_command.h"
#include "core/archive_writer.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/catalogue_rewriter.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix {

void convertCatalogueFile(const std::string& in, const std::string& out, const CodePage& codePage) {
    std::unique_ptr<FileSource> source;
    try {
        source = std::make_unique<FileSource>(in);
    } catch (const std::exception& e) {
        throw CommandFailure{in + ": " + e.what()};
    }
    std::optional<CommandFailure> readFailure;
    const Result written = safeWriteFile(out, [&](ByteSink& sink) {
        ArchiveWriter writer(codePage, sink);
        CatalogueRewriter rewriter(writer);
        CQXCatalog rest;
        try {
            // A file of no bytes is an empty catalogue, as the desktop program opens it.
            if (source->size() > 0) {
                readCatalogue(*source, codePage, rest, rewriter);
            } else {
                rewriter.start(0);
            }
        } catch (const ArchiveError& e) {
            readFailure =
                CommandFailure{in + ": " + e.what() + " at byte " + std::to_string(e.offset())};
            throw;
        } catch (const std::exception& e) {
            readFailure = CommandFailure{in + ": " + e.what()};
            throw;
        }
        rewriter.finish(rest);
    });
    if (readFailure) {
        throw *readFailure;
    }
    if (!written.ok()) {
        throw CommandFailure{out + ": cannot write: " + written.message()};
    }
}

}  // namespace vorlix
