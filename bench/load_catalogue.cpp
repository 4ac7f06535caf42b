// Reads a catalogue file the way the programs open one, and nothing else: the fresh-process
// load that a user waits for. Prints the entry count so the work cannot be skipped.
// Usage: load_catalogue PATH
#include <cstdio>
#include <exception>
#include <string>

#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_source.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: load_catalogue PATH\n");
        return 2;
    }
    try {
        const vorlix::Windows1252 codePage;
        vorlix::CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        vorlix::FileSource source(argv[1]);
        vorlix::readCatalogue(source, codePage, catalogue);
        std::size_t entries = 0;
        for (const auto& disc : catalogue.discs) {
            entries += disc->files.size();
        }
        std::printf("%zu discs, %zu entries\n", catalogue.discs.size(), entries);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
