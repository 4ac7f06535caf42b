#include "core/ordered_batches.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vorlix {
namespace {

// Batches produced at uneven speeds: each worker keeps the number of the batch it produced last
// and records it when consuming, so that the record shows both the order and who consumed what.
struct Recorder {
    explicit Recorder(unsigned workers) : produced(workers) {}
    void produce(std::size_t batch, unsigned worker) {
        std::this_thread::sleep_for(std::chrono::microseconds((batch * 7919) % 300));
        std::lock_guard lock(mutex);
        ++producedCount;
        produced[worker] = batch;
    }
    void consume(unsigned worker) {
        std::lock_guard lock(mutex);
        consumed.push_back(produced[worker]);
    }
    std::mutex mutex;
    std::vector<std::size_t> produced;
    std::vector<std::size_t> consumed;
    std::size_t producedCount = 0;
};

TEST(OrderedBatchesTest, EveryBatchIsConsumedOnceInOrder) {
    for (const auto& [count, workers] : {std::pair<std::size_t, unsigned>{0, 3},
                                        {1, 4},
                                        {2, 4},
                                        {57, 1},
                                        {57, 2},
                                        {200, 3},
                                        {200, 4}}) {
        Recorder recorder(workers);
        runOrderedBatches(
            count, workers,
            [&](std::size_t batch, unsigned worker) { recorder.produce(batch, worker); },
            [&](unsigned worker) { recorder.consume(worker); });
        std::vector<std::size_t> expected(count);
        for (std::size_t i = 0; i < count; ++i) {
            expected[i] = i;
        }
        EXPECT_EQ(recorder.consumed, expected) << count << " batches, " << workers << " workers";
        EXPECT_EQ(recorder.producedCount, count);
    }
}

// A failure in either step ends the run with that failure; what was consumed before it is an
// unbroken start of the batches, and nothing after the failing batch is consumed.
TEST(OrderedBatchesTest, TheFirstFailureEndsTheRunAndReachesTheCaller) {
    constexpr std::size_t kFailing = 40;
    for (const bool inConsume : {false, true}) {
        for (const unsigned workers : {1u, 2u, 4u}) {
            Recorder recorder(workers);
            const auto run = [&] {
                runOrderedBatches(
                    1000, workers,
                    [&](std::size_t batch, unsigned worker) {
                        if (!inConsume && batch == kFailing) {
                            throw std::runtime_error("batch failed");
                        }
                        recorder.produce(batch, worker);
                    },
                    [&](unsigned worker) {
                        if (inConsume && recorder.produced[worker] == kFailing) {
                            throw std::runtime_error("batch failed");
                        }
                        recorder.consume(worker);
                    });
            };
            try {
                run();
                ADD_FAILURE() << "no failure reached the caller";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "batch failed");
            }
            ASSERT_LE(recorder.consumed.size(), kFailing);
            for (std::size_t i = 0; i < recorder.consumed.size(); ++i) {
                EXPECT_EQ(recorder.consumed[i], i);
            }
            EXPECT_LT(recorder.producedCount, 1000u) << "the run went on after the failure";
        }
    }
}

}  // namespace
}  // namespace vorlix
