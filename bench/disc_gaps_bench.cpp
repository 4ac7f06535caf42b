#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/generated_catalogue.h"
#include "tasks/disc_gaps.h"

namespace vorlix::bench {
namespace {

constexpr int kDiscs = 10'000;
constexpr int kFilesPerDisc = 100;
// Every seventh number is skipped, so that there are gaps to find all along the list.
constexpr int kGapEvery = 7;

CQXCatalog catalogueWithGaps() {
    CQXCatalog catalogue = generatedCatalogue(kDiscs, kFilesPerDisc);
    for (int i = 0; i < kDiscs; ++i) {
        catalogue.discs[static_cast<std::size_t>(i)]->setNumber(
            std::to_string(i + 1 + i / kGapEvery));
    }
    return catalogue;
}

// Find Gaps as the dialog and the command meet it: the gaps found, then every one read.
void BM_FindGaps(benchmark::State& state) {
    const CQXCatalog catalogue = catalogueWithGaps();
    std::int64_t found = 0;
    for (auto _ : state) {
        const DiscGaps gaps(catalogue);
        std::int64_t sum = 0;
        for (std::int64_t i = 0; i < gaps.count(); ++i) {
            sum += gaps.at(i);
        }
        benchmark::DoNotOptimize(sum);
        found = gaps.count();
    }
    std::size_t entries = 0;
    for (const auto& disc : catalogue.discs) {
        entries += disc->files.size();
    }
    state.counters["discs"] = static_cast<double>(catalogue.discs.size());
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["gaps"] = static_cast<double>(found);
}

BENCHMARK(BM_FindGaps)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();

}  // namespace
}  // namespace vorlix::bench

BENCHMARK_MAIN();
