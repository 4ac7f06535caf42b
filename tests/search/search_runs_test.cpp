#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

#include "app/search_query.h"
#include "core/catalog.h"
#include "search/catalogue_search.h"
#include "search/search_index.h"

namespace vorlix {
namespace {

using namespace std::chrono_literals;

// Discs "1".."discs", each with `files` entries named "<word> <disc>-<file>.mp3", the word
// taking turns from `words`.
CQXCatalog catalogue(int discs, int files, const std::vector<std::string>& words) {
    CQXCatalog made;
    for (int d = 1; d <= discs; ++d) {
        auto disc = std::make_unique<CQXDisc>();
        disc->setNumber(std::to_string(d));
        disc->setName("Disc " + std::to_string(d));
        disc->setShared("Yes");
        for (int f = 0; f < files; ++f) {
            disc->files.emplace_back(words[static_cast<std::size_t>(f) % words.size()] + " " +
                                         std::to_string(d) + "-" + std::to_string(f) + ".mp3",
                                     "d:\\", "100", "d:");
        }
        made.appendDisc(std::move(disc));
    }
    return made;
}

// What the catalogue above gives for a word, in the order a search reports it.
std::vector<std::string> expectedNames(int discs, int files, const std::vector<std::string>& words,
                                       const std::string& word) {
    std::vector<std::string> names;
    for (int d = 1; d <= discs; ++d) {
        for (int f = files - 1; f >= 0; --f) {
            if (words[static_cast<std::size_t>(f) % words.size()] == word) {
                names.push_back(word + " " + std::to_string(d) + "-" + std::to_string(f));
            }
        }
    }
    return names;
}

// Keeps what a search reports; calls come from the search's worker.
class Collected : public SearchReceiver {
public:
    void discsFound(std::vector<DiscResult> batch) override {
        const std::lock_guard lock(m_mutex);
        noteCall();
        for (DiscResult& disc : batch) {
            discs.push_back(std::move(disc.name));
        }
    }
    void filesFound(std::vector<FileResult> batch) override {
        {
            const std::lock_guard lock(m_mutex);
            noteCall();
            for (FileResult& file : batch) {
                files.push_back(std::move(file.name));
            }
        }
        if (onBatch) {
            onBatch();
        }
    }
    void searchDone() override {
        const std::lock_guard lock(m_mutex);
        noteCall();
        ++doneCalls;
        m_changed.notify_all();
    }

    bool waitForDone() {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 120s, [this] { return doneCalls > 0; });
    }
    bool waitForCalls() {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 120s, [this] { return calls > 0; });
    }

    std::vector<std::string> discs;
    std::vector<std::string> files;
    int calls = 0;
    int doneCalls = 0;
    int callsAfterStop = 0;
    std::atomic<bool> stopReturned{false};
    std::function<void()> onBatch;

private:
    void noteCall() {
        ++calls;
        if (stopReturned.load()) {
            ++callsAfterStop;
        }
        m_changed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
};

SearchParameters fileSearch(const std::string& pattern) {
    SearchParameters parameters;
    parameters.pattern = pattern;
    parameters.mode = kSearchFiles;
    parameters.scope = kScopeEverything;
    parameters.maySeeAll = true;
    return parameters;
}

// Waits for the worker to end by itself; a stopped search ends without telling the receiver.
bool endsBeforeLong(const SearchRun& run) {
    for (int waited = 0; waited < 120000 && !run.finished(); ++waited) {
        std::this_thread::sleep_for(1ms);
    }
    return run.finished();
}

TEST(SearchRuns, ReportEveryMatchInOrderThenDoneOnce) {
    const std::vector<std::string> words = {"song", "talk"};
    CQXCatalog discs = catalogue(300, 100, words);
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    Collected collected;
    const auto run = search.start(fileSearch("SONG"), collected);
    ASSERT_TRUE(collected.waitForDone());
    ASSERT_TRUE(endsBeforeLong(*run));
    EXPECT_EQ(collected.files, expectedNames(300, 100, words, "song"));
    EXPECT_EQ(collected.doneCalls, 1);
    EXPECT_LT(collected.calls, 15000 + 1) << "results come in batches, not one call each";
}

TEST(SearchRuns, TwoSearchesAtOnceKeepTheirOwnResults) {
    const std::vector<std::string> words = {"alpha", "beta", "gamma"};
    CQXCatalog discs = catalogue(200, 60, words);
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    Collected alpha;
    Collected beta;
    const auto first = search.start(fileSearch("alpha"), alpha);
    const auto second = search.start(fileSearch("beta"), beta);
    ASSERT_TRUE(alpha.waitForDone());
    ASSERT_TRUE(beta.waitForDone());
    EXPECT_EQ(alpha.files, expectedNames(200, 60, words, "alpha"));
    EXPECT_EQ(beta.files, expectedNames(200, 60, words, "beta"));
}

TEST(SearchRuns, StoppedInsideItsFirstBatchSendsNothingMore) {
    CQXCatalog discs = catalogue(400, 50, {"song"});
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    Collected collected;
    std::atomic<SearchRun*> running{nullptr};
    std::mutex started;
    started.lock();
    collected.onBatch = [&] {
        if (collected.stopReturned.exchange(true)) {
            return;
        }
        const std::lock_guard wait(started);
        running.load()->stop();
    };
    const auto run = search.start(fileSearch("song"), collected);
    running = run.get();
    started.unlock();
    ASSERT_TRUE(endsBeforeLong(*run));
    EXPECT_EQ(collected.calls, 1);
    EXPECT_EQ(collected.doneCalls, 0);
    EXPECT_LT(collected.files.size(), 400U * 50U);
}

TEST(SearchRuns, StoppedFromAnotherThreadSendsNothingAfterStopReturns) {
    CQXCatalog discs = catalogue(2000, 100, {"song"});
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    Collected collected;
    const auto run = search.start(fileSearch("song"), collected);
    ASSERT_TRUE(collected.waitForCalls());
    run->stop();
    collected.stopReturned = true;
    ASSERT_TRUE(endsBeforeLong(*run));
    EXPECT_EQ(collected.callsAfterStop, 0);
    EXPECT_EQ(collected.doneCalls, 0);
}

TEST(SearchRuns, EndingARunStopsIt) {
    CQXCatalog discs = catalogue(2000, 100, {"song"});
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    Collected collected;
    auto run = search.start(fileSearch("song"), collected);
    ASSERT_TRUE(collected.waitForCalls());
    run.reset();
    collected.stopReturned = true;
    EXPECT_EQ(collected.callsAfterStop, 0);
    EXPECT_EQ(collected.doneCalls, 0);
}

// The scheduling priority of the thread a receiver is called on.
class PriorityOfCalls : public SearchReceiver {
public:
    void discsFound(std::vector<DiscResult>) override { note(); }
    void filesFound(std::vector<FileResult>) override { note(); }
    void searchDone() override {
        note();
        done.release();
    }
    std::atomic<int> priority{-100};
    std::binary_semaphore done{0};

private:
    void note() { priority = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())); }
};

TEST(SearchRuns, FileSearchesYieldToEverythingElseAndDiscSearchesDoNot) {
    CQXCatalog discs = catalogue(3, 3, {"song"});
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    const int ownPriority = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    PriorityOfCalls files;
    auto run = search.start(fileSearch("song"), files);
    files.done.acquire();
    EXPECT_EQ(files.priority, 19);
    SearchParameters byName = fileSearch("disc");
    byName.mode = kSearchDiscs;
    PriorityOfCalls names;
    run = search.start(byName, names);
    names.done.acquire();
    EXPECT_EQ(names.priority, ownPriority);
    EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())), ownPriority);
}

// The catalogue is renamed, shared, categorised, emptied of discs and given new ones while
// searches run over it; every search sees the catalogue as it was when it started, and a search
// started after the edits sees them.
TEST(SearchRuns, EditsWhileSearchesRunReachLaterSearchesOnly) {
    CQXCatalog discs = catalogue(300, 40, {"song", "talk"});
    SearchIndex index;
    CatalogueSearch search([&] { return index.discs(discs); });
    std::vector<std::unique_ptr<Collected>> receivers;
    std::vector<std::unique_ptr<SearchRun>> runs;
    for (int round = 0; round < 30; ++round) {
        receivers.push_back(std::make_unique<Collected>());
        SearchParameters parameters = fileSearch(round % 2 ? "song" : "**");
        if (round % 3 == 0) {
            parameters.mode = kSearchDiscs;
            parameters.pattern = "disc";
        }
        runs.push_back(search.start(parameters, *receivers.back()));
        // Each edit is reported as the document reports it: the disc's number, or none for a
        // disc deleted.
        const std::string number = std::to_string(round * 10 + 1);
        discs.renameDisc(number, "Renamed " + number);
        index.discChanged(number);
        discs.findDisc(std::to_string(round * 10 + 2))->setShared("No");
        index.discChanged(std::to_string(round * 10 + 2));
        CQXDisc& edited = *discs.findDisc(std::to_string(round * 10 + 3));
        edited.files.front().editCategories().push_back("Work");
        index.discChanged(edited.number());
        discs.removeDisc(std::to_string(round * 10 + 4));
        index.discChanged("");
        auto added = std::make_unique<CQXDisc>();
        added->setNumber(std::to_string(1000 + round));
        added->setName("Added");
        added->setShared("Yes");
        added->files.emplace_back("fresh song.mp3", "d:\\", "1", "d:");
        discs.appendDisc(std::move(added));
        index.discChanged(std::to_string(1000 + round));
        if (round % 5 == 4) {
            runs[static_cast<std::size_t>(round) - 2]->stop();
        }
    }
    runs.clear();

    Collected renamed;
    SearchParameters byName;
    byName.pattern = "renamed";
    byName.mode = kSearchDiscs;
    byName.scope = kScopeEverything;
    byName.maySeeAll = false;
    const auto afterRename = search.start(byName, renamed);
    Collected categorised;
    SearchParameters byCategory = fileSearch("*");
    byCategory.scope = kScopeByCategory;
    byCategory.categories = {"Work"};
    const auto afterCategories = search.start(byCategory, categorised);
    Collected fresh;
    const auto afterAdding = search.start(fileSearch("fresh"), fresh);
    ASSERT_TRUE(renamed.waitForDone());
    ASSERT_TRUE(categorised.waitForDone());
    ASSERT_TRUE(fresh.waitForDone());
    EXPECT_EQ(renamed.discs.size(), 30U);
    EXPECT_EQ(categorised.files.size(), 30U);
    EXPECT_EQ(fresh.files.size(), 30U);
    EXPECT_EQ(index.discs(discs)->size(), 300U);
}

}  // namespace
}  // namespace vorlix
