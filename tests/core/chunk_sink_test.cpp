#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/byte_sink.h"

namespace vorlix {
namespace {

// Writes of every size, some across a chunk's end, some larger than a chunk: the chunks hold
// the bytes in order, none over 4 MiB and all but the last full.
TEST(ChunkSinkTest, ChunksHoldEveryByteInOrder) {
    constexpr std::size_t kChunk = 4 * 1024 * 1024;
    std::string expected;
    ChunkSink sink;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, kChunk - 2, std::size_t{5},
                                   3 * kChunk + 7, std::size_t{100}}) {
        std::string piece(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            piece[i] = static_cast<char>('a' + (expected.size() + i) % 26);
        }
        sink.write(piece.data(), piece.size());
        expected += piece;
    }
    const std::vector<std::string> chunks = sink.takeChunks();
    std::string joined;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (i + 1 < chunks.size()) {
            EXPECT_EQ(chunks[i].size(), kChunk) << i;
        }
        EXPECT_LE(chunks[i].size(), kChunk);
        joined += chunks[i];
    }
    EXPECT_EQ(joined.size(), expected.size());
    EXPECT_TRUE(joined == expected);
}

}  // namespace
}  // namespace vorlix
