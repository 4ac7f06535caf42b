// Database Info and Optimize Database over a catalogue of 10,000 discs and 1,000,000 file
// entries, in process; the read of the same catalogue is timed beside them, since the
// optimisation should cost no more than twice the read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/setting_names.h"
#include "bench/generated_catalogue.h"
#include "core/byte_source.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/database_info.h"
#include "core/user_prompt.h"
#include "scan/database_optimizer.h"
#include "scan/filter_lists.h"
#include "support/memory_settings.h"

namespace vorlix::bench {
namespace {

constexpr int kDiscs = 10'000;
constexpr int kFilesPerDisc = 100;
const Windows1252 kCodePage;

struct YesPrompt final : UserPrompt {
    void message(std::string_view, MessageIcon) override {}
    Answer ask(std::string_view, Buttons, MessageIcon) override { return Answer::Yes; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
};

struct NoReview final : ExtensionReview {
    void review(FilterLists&, std::vector<std::string>&) override {}
};

// Keeps mp3, jpg, avi and png, skips the rest of the generator's extensions: a third of the
// entries go.
const std::string& filterFolder() {
    static const std::string folder = [] {
        const std::string path = "/tmp/vorlix-bench-filters/";
        std::filesystem::create_directories(path);
        std::ofstream(path + "ext.txt") << "mp3\r\njpg\r\navi\r\npng\r\n";
        std::ofstream(path + "noscan.txt") << "doc\r\nxls\r\npdf\r\ntxt\r\nzip\r\n";
        return path;
    }();
    return folder;
}

void databaseInfoFigures(benchmark::State& state) {
    const CQXCatalog catalogue = generatedCatalogue(kDiscs, kFilesPerDisc);
    for (auto _ : state) {
        benchmark::DoNotOptimize(databaseInfo(catalogue));
    }
}
BENCHMARK(databaseInfoFigures)->Unit(benchmark::kMillisecond);

void optimizeDatabase(benchmark::State& state) {
    FilterLists lists(filterFolder(), kCodePage);
    test::MemorySettings settings;
    settings.writeNumber(setting::kSettingsKey, setting::kOptimizationCheck, 1);
    YesPrompt prompt;
    NoReview review;
    DatabaseOptimizer optimizer(lists, settings, prompt, review);
    for (auto _ : state) {
        state.PauseTiming();
        CQXCatalog catalogue = generatedCatalogue(kDiscs, kFilesPerDisc);
        state.ResumeTiming();
        if (!optimizer.confirm(catalogue)) {
            state.SkipWithError("not confirmed");
        }
        benchmark::DoNotOptimize(optimizer.removeEntries(catalogue));
        state.PauseTiming();
        catalogue = CQXCatalog();
        state.ResumeTiming();
    }
}
BENCHMARK(optimizeDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void readTheSameCatalogue(benchmark::State& state) {
    CQXCatalog generated = generatedCatalogue(kDiscs, kFilesPerDisc);
    const std::string bytes = writeCatalogue(generated, kCodePage);
    generated = CQXCatalog();
    for (auto _ : state) {
        MemorySource source(bytes);
        CQXCatalog catalogue;
        readCatalogue(source, kCodePage, catalogue);
        state.PauseTiming();
        catalogue = CQXCatalog();
        state.ResumeTiming();
    }
}
BENCHMARK(readTheSameCatalogue)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vorlix::bench

BENCHMARK_MAIN();
