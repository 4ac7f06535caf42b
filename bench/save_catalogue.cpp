// Reads a catalogue file, then saves it the way the programs save one (serialise, write to a
// temporary file, flush to the disk, rename) and prints how long the save took in
// milliseconds: the save a user waits for, without the read before it.
// Usage: save_catalogue IN OUT
#include <chrono>
#include <cstdio>
#include <exception>

#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_catalogue IN OUT\n");
        return 2;
    }
    try {
        const vorlix::Windows1252 codePage;
        vorlix::CQXCatalog catalogue;
        vorlix::FileSource source(argv[1]);
        vorlix::readCatalogue(source, codePage, catalogue);

        const auto start = std::chrono::steady_clock::now();
        const vorlix::Result saved = vorlix::safeWriteFile(argv[2], [&](vorlix::ByteSink& sink) {
            vorlix::writeCatalogue(catalogue, codePage, sink);
        });
        const auto end = std::chrono::steady_clock::now();
        if (!saved.ok()) {
            std::fprintf(stderr, "%s: %s\n", argv[2], saved.message().c_str());
            return 1;
        }
        std::printf("%.1f\n", std::chrono::duration<double, std::milli>(end - start).count());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
