#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace vorlix {

// Where an archive writer puts its bytes. A sink that cannot take them throws
// std::runtime_error with the reason.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const char* data, std::size_t n) = 0;
};

class StringSink final : public ByteSink {
public:
    void write(const char* data, std::size_t n) override { m_bytes.append(data, n); }
    std::string& bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

// Keeps what it takes in chunks of 4 MiB: a file form of hundreds of megabytes is never moved
// while it grows, and takes no more memory than its size, where a growing string is copied on
// every doubling and holds up to twice its size.
class ChunkSink final : public ByteSink {
public:
    void write(const char* data, std::size_t n) override {
        while (n > 0) {
            if (m_chunks.empty() || m_chunks.back().size() == kChunkSize) {
                m_chunks.emplace_back().reserve(kChunkSize);
            }
            std::string& chunk = m_chunks.back();
            const std::size_t taken = std::min(n, kChunkSize - chunk.size());
            chunk.append(data, taken);
            data += taken;
            n -= taken;
        }
    }
    std::vector<std::string> takeChunks() { return std::move(m_chunks); }

private:
    static constexpr std::size_t kChunkSize = 4 * 1024 * 1024;
    std::vector<std::string> m_chunks;
};

}  // namespace vorlix
