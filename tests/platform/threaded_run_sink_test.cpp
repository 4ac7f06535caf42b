#include "platform/threaded_run_sink.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace vorlix {
namespace {

constexpr std::size_t kRun = 16;
constexpr std::size_t kRuns = 2;

// Keeps what reaches it and the threads it was called on; refuses every write that would take
// it past `capacity` bytes, as a full disk does.
class KeepingSink final : public ByteSink {
public:
    explicit KeepingSink(std::size_t capacity = std::numeric_limits<std::size_t>::max())
        : m_capacity(capacity) {}
    void write(const char* data, std::size_t n) override {
        threads.push_back(std::this_thread::get_id());
        if (bytes.size() + n > m_capacity) {
            throw std::runtime_error("No space left on device");
        }
        bytes.append(data, n);
    }

    std::string bytes;
    std::vector<std::thread::id> threads;

private:
    std::size_t m_capacity;
};

std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 7 % 251);
    }
    return bytes;
}

struct WritesCase {
    std::string name;
    std::vector<std::size_t> writes;
};

TEST(ThreadedRunSinkTest, HandsOnEveryByteInOrderWhateverTheSizesOfTheWrites) {
    for (const WritesCase& c : {
             WritesCase{"shorter than a run", {5}},
             WritesCase{"exactly one run", {kRun}},
             WritesCase{"byte by byte over three runs", std::vector<std::size_t>(3 * kRun + 2, 1)},
             WritesCase{"across run boundaries", {kRun - 1, 2, 2 * kRun - 1, 1, kRun, 7}},
             WritesCase{"one write of many runs", {7 * kRun + 3}},
             WritesCase{"empty writes between", {0, kRun + 1, 0, 0, 4}},
         }) {
        std::size_t total = 0;
        for (std::size_t n : c.writes) {
            total += n;
        }
        const std::string bytes = pattern(total);
        KeepingSink next;
        ThreadedRunSink sink(next, kRun, kRuns);
        std::size_t at = 0;
        for (std::size_t n : c.writes) {
            sink.write(bytes.data() + at, n);
            at += n;
        }
        sink.finish();
        EXPECT_EQ(next.bytes, bytes) << c.name;
    }
}

TEST(ThreadedRunSinkTest, RunsGoOnFromAThreadOfTheirOwnAndAShortOutputFromTheCaller) {
    const std::string bytes = pattern(3 * kRun + 1);
    KeepingSink threaded;
    ThreadedRunSink sink(threaded, kRun, kRuns);
    sink.write(bytes.data(), bytes.size());
    sink.finish();
    ASSERT_EQ(threaded.threads.size(), 4u);
    for (std::thread::id thread : threaded.threads) {
        EXPECT_NE(thread, std::this_thread::get_id());
    }

    KeepingSink direct;
    ThreadedRunSink shortSink(direct, kRun, kRuns);
    shortSink.write(bytes.data(), kRun - 1);
    shortSink.finish();
    EXPECT_EQ(direct.threads, std::vector<std::thread::id>{std::this_thread::get_id()});
}

struct FailureCase {
    std::string name;
    std::size_t capacity;
    std::size_t total;
    bool thrownByWrite;
};

// The producer writes a byte at a time, as a serialiser does, and learns of the failure from
// the write that follows it once no run is free, or from finish() when nothing follows.
TEST(ThreadedRunSinkTest, AFailureOfTheNextSinkStopsTheProducerWithItsReason) {
    for (const FailureCase& c : {
             FailureCase{"in the third of a hundred runs", 2 * kRun + 8, 100 * kRun, true},
             FailureCase{"in the last run", 2 * kRun + 8, 2 * kRun + 13, false},
             FailureCase{"in an output shorter than a run", 3, kRun - 2, false},
         }) {
        const std::string bytes = pattern(c.total);
        KeepingSink next(c.capacity);
        ThreadedRunSink sink(next, kRun, kRuns);
        std::size_t written = 0;
        std::string reason;
        bool thrownByWrite = true;
        try {
            for (; written < c.total; ++written) {
                sink.write(bytes.data() + written, 1);
            }
            thrownByWrite = false;
            sink.finish();
        } catch (const std::runtime_error& e) {
            reason = e.what();
        }
        EXPECT_EQ(reason, "No space left on device") << c.name;
        EXPECT_EQ(thrownByWrite, c.thrownByWrite) << c.name;
        if (c.thrownByWrite) {
            EXPECT_LE(written, 2 * kRun + kRuns * kRun) << c.name;
        }
        EXPECT_EQ(next.bytes, bytes.substr(0, c.capacity / kRun * kRun)) << c.name;
    }
}

// A producer that fails leaves the sink without finish(): the runs not yet handed on are
// dropped and the thread ends with the sink.
TEST(ThreadedRunSinkTest, ASinkLeftWithoutFinishHandsOnNothingMoreThanWholeRuns) {
    const std::string bytes = pattern(5 * kRun + kRun / 2);
    KeepingSink next;
    {
        ThreadedRunSink sink(next, kRun, kRuns);
        sink.write(bytes.data(), bytes.size());
    }
    EXPECT_EQ(next.bytes.size() % kRun, 0u);
    EXPECT_LT(next.bytes.size(), bytes.size());
    EXPECT_EQ(next.bytes, bytes.substr(0, next.bytes.size()));
}

}  // namespace
}  // namespace vorlix
