// Feeds arbitrary bytes to the catalogue reader. A file that reads must write back to bytes
// that read again and write back unchanged: what the reader accepts the writer can keep.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/catalog_format.h"
#include "core/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vorlix::Windows1252 codePage;
    vorlix::CQXCatalog catalogue;
    vorlix::MemorySource source(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        vorlix::readCatalogue(source, codePage, catalogue);
    } catch (const vorlix::ArchiveError&) {
        return 0;
    }
    const std::string written = vorlix::writeCatalogue(catalogue, codePage);
    vorlix::CQXCatalog again;
    vorlix::MemorySource writtenSource(written);
    vorlix::readCatalogue(writtenSource, codePage, again);
    if (vorlix::writeCatalogue(again, codePage) != written) {
        __builtin_trap();
    }
    return 0;
}
