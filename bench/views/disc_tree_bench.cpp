// How long the disc tree keeps the user-interface thread busy on a large catalogue: filling it,
// rebuilding it by categories and selecting a disc, each followed by the layout and painting
// that the event loop does before the user sees the result.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <memory>
#include <string>

#include "support/document_rig.h"
#include "support/fake_disc_volume.h"
#include "views/left_view.h"

namespace vorlix {
namespace {

constexpr int kDiscs = 2000;
constexpr int kFoldersPerDisc = 20;

// Folders four to a top folder, each top folder with one sub-folder holding two more: twenty
// folders three levels deep under every disc.
std::string outlineOf(const std::string& first) {
    std::string outline = first + "\r\n";
    for (int top = 0; top < kFoldersPerDisc / 5; ++top) {
        outline += "\tfolder " + std::to_string(top) + "\r\n";
        outline += "\t\tsub\r\n\t\t\tone\r\n\t\t\ttwo\r\n";
        outline += "\t\tother\r\n";
    }
    return outline;
}

CQXCatalog largeCatalogue() {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (int i = 1; i <= kDiscs; ++i) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(i));
        disc->setName("DISC NUMBER " + std::string(disc->number()));
        disc->setOutline(outlineOf(std::string(disc->number()) + " " + std::string(disc->name())));
        disc->setShared(i % 3 == 0 ? "No" : "Yes");
        disc->setCategories({i % 2 == 0 ? "Audio" : "Software"});
        disc->setOwnerName(test::DocumentRig::anna().logName);
        disc->setOwnerDigest(test::DocumentRig::anna().passwordDigest);
        catalogue.appendDisc(std::move(disc));
    }
    return catalogue;
}

struct Pane {
    Pane() {
        rig.load(largeCatalogue());
        view = std::make_unique<CLeftView>(rig.document, services);
        view->resize(300, 800);
        view->show();
        QCoreApplication::processEvents();
        tree = view->findChild<QTreeView*>(QStringLiteral("discTree"));
    }

    test::DocumentRig rig;
    test::FakeDiscDrives drives;
    ViewServices services{rig.prompt, rig.settings, rig.shell, drives};
    std::unique_ptr<CLeftView> view;
    QTreeView* tree = nullptr;
};

// Kept until the process ends: a static would be destroyed after main's QApplication, and a
// widget must not outlive the application.
Pane& pane() {
    static Pane* const shared = new Pane;
    return *shared;
}

void fillTree(benchmark::State& state) {
    Pane& p = pane();
    for (auto _ : state) {
        p.view->fill();
        QCoreApplication::processEvents();
    }
    state.counters["items"] = kDiscs * (kFoldersPerDisc + 1);
}
BENCHMARK(fillTree)->Unit(benchmark::kMillisecond);

void rebuildByCategories(benchmark::State& state) {
    Pane& p = pane();
    p.rig.document.categoryFilter() = {"Audio"};
    for (auto _ : state) {
        p.view->rebuildByCategories();
        QCoreApplication::processEvents();
    }
    p.rig.document.categoryFilter().clear();
}
BENCHMARK(rebuildByCategories)->Unit(benchmark::kMillisecond);

void selectAndOpenDisc(benchmark::State& state) {
    Pane& p = pane();
    p.view->fill();
    int row = 0;
    for (auto _ : state) {
        const QModelIndex disc = p.tree->model()->index(row, 0);
        p.tree->selectionModel()->setCurrentIndex(disc, QItemSelectionModel::ClearAndSelect);
        p.tree->expandRecursively(disc);
        QCoreApplication::processEvents();
        row = (row + 997) % p.tree->model()->rowCount();
    }
}
BENCHMARK(selectAndOpenDisc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlix

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
