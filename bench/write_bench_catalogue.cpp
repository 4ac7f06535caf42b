// Writes a generated catalogue to a file, for benchmarks that time other processes on it.
// Usage: write_bench_catalogue DISCS FILES_PER_DISC PATH
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/generated_catalogue.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/safe_file_write.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: write_bench_catalogue DISCS FILES_PER_DISC PATH\n");
        return 2;
    }
    const int discs = std::atoi(argv[1]);
    const int filesPerDisc = std::atoi(argv[2]);
    const std::string path = argv[3];
    const vorlix::Windows1252 codePage;
    vorlix::CQXCatalog catalogue = vorlix::bench::generatedCatalogue(discs, filesPerDisc);
    const vorlix::Result written = vorlix::safeWriteFile(
        path, [&](vorlix::ByteSink& sink) { vorlix::writeCatalogue(catalogue, codePage, sink); });
    if (!written.ok()) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), written.message().c_str());
        return 1;
    }
    return 0;
}
