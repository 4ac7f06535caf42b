// The search engine on a generated catalogue of 100,000 discs with 100 file entries each
// (10,000,000 entries): a file search for a word few names hold against `grep -F -c -i` over
// the same names in a text file, timed in pairs in this run; the time to the first results; a
// search with many results; a disc search over the 100,000 discs; and the memory the search
// snapshots take per entry against the names themselves.
//
// Usage: search_bench [SCRATCH_FOLDER [RUNS]]   (default /tmp/vorlix-bench, 5 runs)
#include <sys/times.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "app/search_query.h"
#include "bench/generated_catalogue.h"
#include "search/catalogue_search.h"
#include "search/search_index.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the calling thread; the search's worker ends its search on its own thread.
double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Notes when the first results and the end of a search arrive.
class Timing : public vorlix::SearchReceiver {
public:
    explicit Timing(Clock::time_point start) : m_start(start) {}
    void discsFound(std::vector<vorlix::DiscResult> batch) override { arrived(batch.size()); }
    void filesFound(std::vector<vorlix::FileResult> batch) override { arrived(batch.size()); }
    void searchDone() override {
        const std::lock_guard lock(m_mutex);
        done = millisecondsSince(m_start);
        workerCpu = threadCpuMilliseconds();
        m_ended.notify_all();
    }
    void waitForDone() {
        std::unique_lock lock(m_mutex);
        m_ended.wait(lock, [this] { return done >= 0; });
    }

    double first = -1;
    double done = -1;
    double workerCpu = 0;
    std::size_t results = 0;

private:
    void arrived(std::size_t count) {
        const std::lock_guard lock(m_mutex);
        if (first < 0) {
            first = millisecondsSince(m_start);
        }
        results += count;
    }

    Clock::time_point m_start;
    std::mutex m_mutex;
    std::condition_variable m_ended;
};

vorlix::SearchParameters parameters(const std::string& pattern, std::string_view mode) {
    vorlix::SearchParameters p;
    p.pattern = pattern;
    p.mode = mode;
    p.scope = vorlix::kScopeEverything;
    p.combinator = "And";
    p.maySeeAll = true;
    return p;
}

struct SearchFigures {
    double first;
    double done;
    double cpu;
    std::size_t results;
};

SearchFigures timedSearch(vorlix::SearchService& engine, const vorlix::SearchParameters& p) {
    const Clock::time_point start = Clock::now();
    Timing timing(start);
    const auto run = engine.start(p, timing);
    timing.waitForDone();
    return {timing.first, timing.done, timing.workerCpu, timing.results};
}

// Wall time of a command, and the CPU time it took: user and system time of this process's
// finished children, which grow by that command's alone.
std::pair<double, double> timedCommand(const std::string& command) {
    auto childrenCpu = [] {
        struct tms times {};
        ::times(&times);
        return static_cast<double>(times.tms_cutime + times.tms_cstime) * 1e3 /
               static_cast<double>(sysconf(_SC_CLK_TCK));
    };
    const double cpuBefore = childrenCpu();
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    return {millisecondsSince(start), childrenCpu() - cpuBefore};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = argc > 1 ? argv[1] : "/tmp/vorlix-bench";
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    std::filesystem::create_directories(scratch);

    Clock::time_point start = Clock::now();
    const vorlix::CQXCatalog catalogue = vorlix::bench::generatedCatalogue(100000, 100);
    std::printf("generated 100,000 discs x 100 entries in %.0f ms\n", millisecondsSince(start));

    vorlix::SearchIndex index;
    start = Clock::now();
    static_cast<void>(index.discs(catalogue));
    const double built = millisecondsSince(start);
    std::size_t nameBytes = 0;
    std::size_t beyondAscii = 0;
    const std::string names = scratch + "/search-bench-names.txt";
    {
        std::ofstream out(names, std::ios::binary);
        for (const auto& disc : catalogue.discs) {
            for (const vorlix::CQXFileData& entry : disc->files) {
                const std::string_view name = entry.name();
                nameBytes += name.size();
                beyondAscii +=
                    std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
                out << name << '\n';
            }
        }
    }
    const double entries = static_cast<double>(index.fileCount());
    std::printf("entries: %.0f, %.1f %% of names beyond ASCII\n", entries,
                100.0 * static_cast<double>(beyondAscii) / entries);
    std::printf(
        "search snapshots made in %.0f ms; %.1f bytes per entry (the names themselves: "
        "%.1f bytes per entry)\n",
        built, static_cast<double>(index.fileBytes()) / entries,
        static_cast<double>(nameBytes) / entries);

    vorlix::CatalogueSearch engine([&] { return index.discs(catalogue); });
    // Into a file: grep stops at the first match when its output goes to /dev/null.
    const std::string count = scratch + "/search-bench-count.txt";
    const std::string grep =
        "LC_ALL=C.UTF-8 grep -F -c -i xylophon '" + names + "' >'" + count + "'";
    std::vector<double> grepTimes, grepCpu, rareFirst, rareDone, rareCpu, manyFirst, manyDone,
        manyCpu, discDone, discCpu;
    std::size_t rareResults = 0, manyResults = 0, discResults = 0;
    for (int run = 0; run < runs; ++run) {
        const auto [grepWall, grepWork] = timedCommand(grep);
        grepTimes.push_back(grepWall);
        grepCpu.push_back(grepWork);
        const SearchFigures rare =
            timedSearch(engine, parameters("xylophon", vorlix::kSearchFiles));
        rareFirst.push_back(rare.first);
        rareDone.push_back(rare.done);
        rareCpu.push_back(rare.cpu);
        rareResults = rare.results;
        const SearchFigures many =
            timedSearch(engine, parameters("m\xC3\xBCller", vorlix::kSearchFiles));
        manyFirst.push_back(many.first);
        manyDone.push_back(many.done);
        manyCpu.push_back(many.cpu);
        manyResults = many.results;
        const SearchFigures discs =
            timedSearch(engine, parameters("disc_4711", vorlix::kSearchDiscs));
        discDone.push_back(discs.done);
        discCpu.push_back(discs.cpu);
        discResults = discs.results;
    }
    std::printf("median of %d runs, in milliseconds:\n", runs);
    std::printf(
        "| What | First results | Done | CPU (worker or grep) | Results "
        "|\n|---|---|---|---|---|\n");
    std::printf("| grep -F -c -i xylophon (LC_ALL=C.UTF-8, fresh process) | | %.1f | %.1f | |\n",
                median(grepTimes), median(grepCpu));
    std::printf("| file search \"xylophon\" | %.1f | %.1f | %.1f | %zu |\n", median(rareFirst),
                median(rareDone), median(rareCpu), rareResults);
    std::printf("| file search \"m\xC3\xBCller\" | %.1f | %.1f | %.1f | %zu |\n", median(manyFirst),
                median(manyDone), median(manyCpu), manyResults);
    std::printf("| disc search \"disc_4711\" over 100,000 discs | | %.1f | %.1f | %zu |\n",
                median(discDone), median(discCpu), discResults);
    std::filesystem::remove(names);
    std::filesystem::remove(count);
    return 0;
}
