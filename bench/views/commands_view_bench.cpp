// How long the commands panel keeps the user-interface thread busy on a catalogue of 10,000
// discs and 1,000,000 file entries: showing the disc that became current, and computing the
// statistics, each followed by the layout and painting the event loop does before the user
// sees the result.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "app/catalogue_document.h"
#include "app/setting_names.h"
#include "bench/generated_catalogue.h"
#include "online/media_tag_source.h"
#include "scan/filter_lists.h"
#include "support/commands_fakes.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "views/commands_view.h"
#include "views/logic/commands_statistics.h"

namespace vorlix::bench {
namespace {

constexpr int kDiscs = 10000;
constexpr int kFilesPerDisc = 100;

struct NoMediaTags final : MediaTagSource {
    std::string mediaTag(const std::string&) override { return {}; }
};

struct Panel {
    Panel() {
        rig.load(generatedCatalogue(kDiscs, kFilesPerDisc));
        rig.settings.writeNumber(setting::kSettingsKey, setting::kStats, 1);
        view = std::make_unique<CCommandsView>(rig.document, services, scan, commands);
        view->resize(255, 900);
        view->show();
        QCoreApplication::processEvents();
    }

    // The generated catalogue belongs to this user.
    test::DocumentRig rig{Identity{"anna", "0cc175b9c0f1b6a831c399e269772661"}};
    test::FakeDiscDrives drives;
    FilterLists filterLists{rig.folder.path() + "/", rig.codePage};
    NoMediaTags mediaTags;
    test::FakeSearchWindows searchWindows;
    test::FakeCddbLookup cddb{rig.log};
    test::FakeLending lending{rig.log};
    test::FakeDiscNumbers discNumbers{rig.log};
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    ScanServices scan{drives, filterLists, mediaTags, rig.settings, rig.prompt};
    CommandsServices commands{searchWindows, cddb, lending, discNumbers, rig.chat};
    std::unique_ptr<CCommandsView> view;
};

Panel& panel() {
    static Panel shown;
    return shown;
}

// Another disc becomes current at each step, as the tree's selection makes it, and the panel
// shows it.
void BM_RefreshAfterDiscChange(benchmark::State& state) {
    Panel& p = panel();
    const auto& discs = p.rig.document.catalogue().discs;
    std::size_t next = 0;
    for (auto _ : state) {
        p.rig.document.setCurrentDisc(*discs[next]);
        p.view->refreshDiscFields();
        QCoreApplication::processEvents();
        next = (next + 7919) % discs.size();
    }
    state.counters["discs"] = static_cast<double>(discs.size());
}
BENCHMARK(BM_RefreshAfterDiscChange)->Unit(benchmark::kMillisecond);

void BM_Statistics(benchmark::State& state) {
    Panel& p = panel();
    for (auto _ : state) {
        p.view->refreshStatus();
        QCoreApplication::processEvents();
    }
    const auto figures = catalogueStatistics(p.rig.document.catalogue());
    state.counters["files"] = std::stod(figures->fileTotal);
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

void BM_StatisticsLogic(benchmark::State& state) {
    const CQXCatalog& catalogue = panel().rig.document.catalogue();
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogueStatistics(catalogue));
    }
}
BENCHMARK(BM_StatisticsLogic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlix::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
