// How long the file list keeps the user-interface thread busy with one folder of 100,000 files:
// showing the folder and sorting it by each column, on a real pane (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>
#include <memory>
#include <random>
#include <string>

#include "app/catalogue_document.h"
#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "views/logic/file_list_columns.h"
#include "views/logic/file_list_rows.h"
#include "views/qx2_view.h"
#include "views/view_services.h"

namespace vorlix::bench {
namespace {

constexpr int kFilesInFolder = 100000;
constexpr int kFilesElsewhere = 20000;
constexpr const char* kFolderItem = "1 BIG\\music\\all";

// One disc whose folder music\all holds kFilesInFolder files in no particular order, with
// other folders around it that the list must pass over.
std::unique_ptr<CQXDisc> bigDisc() {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber("1");
    disc->setName("BIG");
    disc->setShared("Yes");
    disc->setOwnerName(test::DocumentRig::anna().logName);
    disc->setOwnerDigest(test::DocumentRig::anna().passwordDigest);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int64_t> size(0, 4294967295LL);
    const char* extensions[] = {"mp3", "ogg", "flac", "jpg", "txt", "iso", "avi", "pdf"};
    auto add = [&](int i, const std::string& folder) {
        const std::string name = "Track " + std::to_string(random() % 1000000) + " of " +
                                 std::to_string(i) + "." + extensions[random() % 8];
        // Stored as signed 32-bit text, as the catalogue keeps sizes.
        const auto stored = static_cast<std::int32_t>(static_cast<std::uint32_t>(size(random)));
        disc->files.emplace_back(name, folder, std::to_string(stored), "d:");
    };
    for (int i = 0; i < kFilesElsewhere / 2; ++i) {
        add(i, "d:\\music\\");
    }
    for (int i = 0; i < kFilesInFolder; ++i) {
        add(i, "d:\\music\\all\\");
    }
    for (int i = 0; i < kFilesElsewhere / 2; ++i) {
        add(i, "d:\\docs\\");
    }
    return disc;
}

struct Pane {
    Pane() {
        CQXCatalog catalogue;
        catalogue.addDefaultNamedObjects();
        catalogue.appendDisc(bigDisc());
        rig.load(std::move(catalogue));
        rig.document.setCurrentDisc(*rig.document.catalogue().discs.front());
        view.resize(600, 800);
        view.show();
        QCoreApplication::processEvents();
    }

    // Shows the folder and lets the view lay out and paint what is visible.
    void showFolder() {
        view.showFolder(kFolderItem);
        QCoreApplication::processEvents();
    }

    void clickHeader(FileListColumn column) {
        QHeaderView* header = list->header();
        const int section = static_cast<int>(column);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, 5));
        QCoreApplication::processEvents();
    }

    test::DocumentRig rig;
    test::FakeDiscDrives drives;
    CQX2View view{rig.document, ViewServices{rig.prompt, rig.settings, rig.shell, drives}};
    QTreeView* list = view.findChild<QTreeView*>(QStringLiteral("fileList"));
};

// Kept until the process ends: a static would be destroyed after main's QApplication, and a
// widget must not outlive the application.
Pane& pane() {
    static Pane* const shown = new Pane;
    return *shown;
}

void BM_FolderRowsLogic(benchmark::State& state) {
    const CurrentDisc& disc = pane().rig.document.currentDisc();
    for (auto _ : state) {
        benchmark::DoNotOptimize(folderRows(disc.files, kFolderItem));
    }
    state.counters["rows"] = static_cast<double>(folderRows(disc.files, kFolderItem).size());
}
BENCHMARK(BM_FolderRowsLogic)->Unit(benchmark::kMillisecond);

void BM_ShowFolder(benchmark::State& state) {
    for (auto _ : state) {
        pane().showFolder();
    }
    state.counters["rows"] = pane().list->model()->rowCount();
}
BENCHMARK(BM_ShowFolder)->Unit(benchmark::kMillisecond);

// Each click flips the direction, so every iteration reverses the whole list.
void BM_SortByColumn(benchmark::State& state) {
    const auto column = static_cast<FileListColumn>(state.range(0));
    pane().showFolder();
    for (auto _ : state) {
        pane().clickHeader(column);
    }
}
BENCHMARK(BM_SortByColumn)
    ->Arg(static_cast<int>(FileListColumn::Name))
    ->Arg(static_cast<int>(FileListColumn::Size))
    ->Arg(static_cast<int>(FileListColumn::Type))
    ->Unit(benchmark::kMillisecond);

// Sorting with every row selected, as after Tab: the selection must follow the rows.
void BM_SortAllSelected(benchmark::State& state) {
    pane().showFolder();
    pane().list->selectAll();
    for (auto _ : state) {
        pane().clickHeader(FileListColumn::Name);
    }
}
BENCHMARK(BM_SortAllSelected)->Unit(benchmark::kMillisecond);

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
