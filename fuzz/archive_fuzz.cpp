// Feeds arbitrary bytes to the catalogue reader. What the reader accepts the writer must keep:
// writing a file that was read, reading that back and writing again gives the same bytes but
// for the order of named objects within a hash bucket, which each write reverses, so a third
// write equals the first.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalog_format.h"
#include "core/code_page.h"

namespace {

std::string rewrite(std::string_view bytes) {
    const vorlix::Windows1252 codePage;
    vorlix::CQXCatalog catalogue;
    vorlix::MemorySource source(bytes);
    vorlix::readCatalogue(source, codePage, catalogue);
    return vorlix::writeCatalogue(catalogue, codePage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string first;
    try {
        first = rewrite(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const vorlix::ArchiveError&) {
        return 0;
    }
    const std::string second = rewrite(first);
    if (second.size() != first.size() || rewrite(second) != first) {
        __builtin_trap();
    }
    return 0;
}
