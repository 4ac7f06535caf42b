// Times a scan of a large folder tree against find(1) walking the same tree, so that the cost
// the scan adds on top of reading the directories shows as one ratio.
//
//   scan_folder_bench [TREE]
//
// The tree (200,000 files in 20,000 folders) is made once and reused while it is complete.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/code_page.h"
#include "online/media_tag_source.h"
#include "platform/disc/linux_disc_drives.h"
#include "scan/filter_lists.h"
#include "scan/scan_job.h"

namespace vorlix::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kTopFolders = 100;
constexpr int kSubfoldersEach = 199;  // 100 + 100 * 199 = 20,000 folders
constexpr int kFilesEach = 10;        // 200,000 files
constexpr int kRounds = 3;

// Extensions kept, skipped, on neither list, and no extension at all, as on a mixed data disc.
constexpr const char* kNames[kFilesEach] = {"song.mp3",  "photo.JPG", "notes.txt", "cache.tmp",
                                            "data.xyz",  "README",    "clip.avi",  "old.bak",
                                            "track.ogg", "scan.pdf"};

struct NoMediaTags final : MediaTagSource {
    std::string mediaTag(const std::string&) override { return {}; }
};

void makeFile(const fs::path& path, off_t size) {
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0 || ::ftruncate(fd, size) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    ::close(fd);
}

void fillFolder(const fs::path& folder, int seed) {
    fs::create_directories(folder);
    for (int i = 0; i < kFilesEach; ++i) {
        makeFile(folder / (std::to_string(seed) + "_" + kNames[i]),
                 (seed * 7919 + i * 104729) % 5'000'000);
    }
}

void makeTree(const fs::path& tree) {
    const fs::path complete = tree / ".complete";
    if (fs::exists(complete)) {
        return;
    }
    std::fprintf(stderr, "making %s ...\n", tree.c_str());
    fs::remove_all(tree);
    int seed = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        const fs::path topFolder = tree / ("Folder " + std::to_string(top));
        fillFolder(topFolder, seed++);
        for (int sub = 0; sub < kSubfoldersEach; ++sub) {
            fillFolder(topFolder / ("Sub" + std::to_string(sub)), seed++);
        }
    }
    makeFile(complete, 0);
}

template <typename Run>
double bestSeconds(Run run) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

int run(int argc, char** argv) {
    const fs::path tree = argc > 1 ? fs::path(argv[1]) : fs::path("/tmp/vorlix-bench-scan-tree");
    makeTree(tree);
    const std::string findCommand = "find '" + tree.string() + "' -printf '%s %p\\n' > /dev/null";

    const Windows1252 codePage;
    FilterLists lists(std::string(VORLIX_SOURCE_DIR) + "/data/", codePage);
    NoMediaTags tags;
    LinuxDiscDrives drives;
    const DiscSource source = drives.addFolder(tree.string());
    std::size_t recorded = 0;
    std::size_t detected = 0;
    auto scan = [&] {
        const auto volume = drives.open(source.root);
        ScanJob job(lists, tags);
        job.setDrivePath(source.root);
        job.setDiscNumber("1");
        job.setFilterOn(true);
        if (const Result prepared = job.prepare(); !prepared.ok()) {
            std::fprintf(stderr, "%s\n", prepared.message().c_str());
            std::exit(1);
        }
        if (const Result walked = job.walk(*volume); !walked.ok()) {
            std::fprintf(stderr, "%s\n", walked.message().c_str());
            std::exit(1);
        }
        recorded = job.entries().size();
        detected = job.detectedExtensions().size();
    };

    // Both walks then read from a warm cache.
    if (std::system(findCommand.c_str()) != 0) {
        return 1;
    }
    const double findSeconds = bestSeconds([&] {
        if (std::system(findCommand.c_str()) != 0) {
            std::exit(1);
        }
    });
    const double scanSeconds = bestSeconds(scan);
    std::printf("tree: %s (%d folders, %d files)\n", tree.c_str(),
                kTopFolders * (kSubfoldersEach + 1),
                kTopFolders * (kSubfoldersEach + 1) * kFilesEach);
    std::printf("find: %.3f s\nscan: %.3f s (filter on, %zu recorded, %zu extensions detected)\n",
                findSeconds, scanSeconds, recorded, detected);
    std::printf("scan / find: %.2f\n", scanSeconds / findSeconds);
    return 0;
}

}  // namespace
}  // namespace vorlix::bench

int main(int argc, char** argv) {
    return vorlix::bench::run(argc, argv);
}
