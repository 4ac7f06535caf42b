// Repeated passes over one catalogue inside one process: the file stays in the page cache and
// freed memory is handed out again, so these figures show the code's own speed, not what a user
// waits for. scripts/bench.sh times fresh processes for that.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/generated_catalogue.h"
#include "core/byte_sink.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "platform/file_source.h"
#include "platform/safe_file_write.h"

namespace vorlix::bench {
namespace {

const Windows1252 kCodePage;
constexpr int kDiscs = 1000;
constexpr int kFilesPerDisc = 1000;

const std::string& catalogueFile() {
    static const std::string path = [] {
        const std::string file = "/tmp/vorlix-bench-catalogue.vrd";
        CQXCatalog catalogue = generatedCatalogue(kDiscs, kFilesPerDisc);
        const Result written = safeWriteFile(
            file, [&catalogue](ByteSink& sink) { writeCatalogue(catalogue, kCodePage, sink); });
        if (!written.ok()) {
            std::fprintf(stderr, "could not generate %s: %s\n", file.c_str(),
                         written.message().c_str());
            std::exit(1);
        }
        return file;
    }();
    return path;
}

// Counts what it is given and keeps nothing: the cost of producing the bytes alone.
class CountingSink final : public ByteSink {
public:
    void write(const char* data, std::size_t n) override {
        benchmark::DoNotOptimize(data);
        m_count += n;
    }
    std::size_t count() const { return m_count; }

private:
    std::size_t m_count = 0;
};

// The catalogue as the program holds it after opening the file.
CQXCatalog openedCatalogue() {
    CQXCatalog catalogue;
    FileSource source(catalogueFile());
    readCatalogue(source, kCodePage, catalogue);
    return catalogue;
}

void BM_WriteCatalogue(benchmark::State& state) {
    CQXCatalog catalogue = openedCatalogue();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        writeCatalogue(catalogue, kCodePage, sink);
        bytes = sink.count();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

// A whole save: temporary file, write, flush to the disk, rename.
void BM_SaveCatalogue(benchmark::State& state) {
    CQXCatalog catalogue = openedCatalogue();
    const std::string path = "/tmp/vorlix-bench-write.vrd";
    for (auto _ : state) {
        const Result written = safeWriteFile(
            path, [&catalogue](ByteSink& sink) { writeCatalogue(catalogue, kCodePage, sink); });
        if (!written.ok()) {
            state.SkipWithError(written.message().c_str());
            return;
        }
    }
    FileSource written(path);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * written.size()));
    std::remove(path.c_str());
}

void BM_ReadCatalogue(benchmark::State& state) {
    const std::string& path = catalogueFile();
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        auto catalogue = std::make_unique<CQXCatalog>();
        catalogue->addDefaultNamedObjects();
        FileSource source(path);
        bytes = source.size();
        readCatalogue(source, kCodePage, *catalogue);
        benchmark::DoNotOptimize(catalogue->discs.data());
        state.PauseTiming();
        catalogue.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

BENCHMARK(BM_WriteCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_SaveCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ReadCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace
}  // namespace vorlix::bench

BENCHMARK_MAIN();
