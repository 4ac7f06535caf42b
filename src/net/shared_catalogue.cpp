#include "net/shared_catalogue.h"

#include "core/archive_writer.h"
#include "core/byte_sink.h"
#include "core/catalog.h"
#include "core/catalog_format.h"

namespace vorlix {

SharedCatalogue SharedCatalogue::of(const CQXCatalog& catalogue) {
    SharedCatalogue shared;
    for (auto disc = catalogue.discs.rbegin(); disc != catalogue.discs.rend(); ++disc) {
        if ((*disc)->shared() == "Yes") {
            shared.discs.push_back(disc->get());
        }
    }
    std::vector<std::string> categories = catalogue.categories.toVector();
    shared.categories.assign(categories.rbegin(), categories.rend());
    return shared;
}

std::vector<std::string> SharedCatalogue::fileBytes(const CodePage& codePage) const {
    ChunkSink sink;
    ArchiveWriter writer(codePage, sink);
    writeCatalogueBody(writer, discs, TextList(categories), NamedObjects());
    writer.flush();
    return sink.takeChunks();
}

}  // namespace vorlix
