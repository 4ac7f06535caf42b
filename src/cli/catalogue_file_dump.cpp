#include "cli/catalogue_file_dump.h"

#include <exception>
#include <memory>
#include <vector>

#include "cli/catalogue_dump.h"
#include "cli/cli_command.h"
#include "cli/line_buffer.h"
#include "core/catalog_format.h"
#include "core/ordered_batches.h"
#include "platform/file_source.h"

namespace vorlix {

namespace {

// The bytes of the file that one run of discs, shown apart, covers at least: large enough that
// a part's start costs nothing next to it, small enough that the output of a part per core
// stays a few megabytes.
constexpr std::uint64_t kPartBytes = std::uint64_t{2} << 20;

// Shows the discs between each two places on every core, each run by a dump of its own, and
// puts the runs' output in their places in order.
void showDiscs(const FileSource& file, const CodePage& codePage,
               const std::vector<DiscListPlace>& places, CatalogueDump& dump) {
    const unsigned workers = batchWorkers();
    std::vector<LineBuffer> collected(workers);
    std::vector<std::unique_ptr<CatalogueDump>> apart;
    for (LineBuffer& buffer : collected) {
        apart.push_back(dump.dumpApart(buffer));
    }
    runOrderedBatches(
        places.size() - 1, workers,
        [&](std::size_t run, unsigned worker) {
            FilePart part(file, places[run].archive.offset);
            apart[worker]->goOnAt(places[run].disc);
            visitDiscs(part, codePage, places[run], places[run + 1].disc, *apart[worker]);
        },
        [&](unsigned worker) {
            dump.show(collected[worker].view());
            collected[worker].clear();
        });
}

}  // namespace

void dumpCatalogueFile(const std::string& path, const CodePage& codePage, CatalogueDump& dump) {
    CQXCatalog rest;
    try {
        FileSource file(path);
        if (file.size() > 0) {
            const SourceFrom from = [&file](std::uint64_t offset) {
                return std::make_unique<FilePart>(file, offset);
            };
            const std::vector<DiscListPlace> places =
                checkCatalogue(file, codePage, kPartBytes, from);
            dump.start(places.back().disc);
            showDiscs(file, codePage, places, dump);
            FilePart after(file, places.back().archive.offset);
            readCatalogueRest(after, codePage, places.back(), rest);
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
