#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench/generated_catalogue.h"
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
        safeWriteFile(file, writeCatalogue(catalogue, kCodePage));
        return file;
    }();
    return path;
}

// Resident memory of this process in bytes, from the kernel's status file.
double statusBytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(std::string(field).size())) * 1024.0;
        }
    }
    return 0;
}

void BM_WriteCatalogue(benchmark::State& state) {
    CQXCatalog catalogue = generatedCatalogue(kDiscs, kFilesPerDisc);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = writeCatalogue(catalogue, kCodePage);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_WriteCatalogueToDisk(benchmark::State& state) {
    CQXCatalog catalogue = generatedCatalogue(kDiscs, kFilesPerDisc);
    const std::string path = "/tmp/vorlix-bench-write.vrd";
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = writeCatalogue(catalogue, kCodePage);
        bytes = file.size();
        safeWriteFile(path, file);
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_ReadCatalogue(benchmark::State& state) {
    const std::string& path = catalogueFile();
    std::uint64_t bytes = 0;
    const double before = statusBytes("VmRSS:");
    double after = 0;
    for (auto _ : state) {
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        FileSource source(path);
        bytes = source.size();
        readCatalogue(source, kCodePage, catalogue);
        state.PauseTiming();
        after = statusBytes("VmRSS:");
        state.ResumeTiming();
        benchmark::DoNotOptimize(catalogue.discs.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["held_per_file_byte"] = (after - before) / static_cast<double>(bytes);
}

BENCHMARK(BM_WriteCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WriteCatalogueToDisk)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace vorlix::bench

BENCHMARK_MAIN();
