#pragma once

#include <atomic>
#include <cstdint>
#include <stdexcept>

#include "core/byte_source.h"

namespace vorlix {

// Thrown by a watched source once whoever waits for the reader has asked it to stop.
class ReadCancelled : public std::runtime_error {
public:
    ReadCancelled() : std::runtime_error("reading was cancelled") {}
};

// A source that counts the bytes handed out, for a progress display on another thread, and
// stops the reader at its next read once cancellation has been asked for.
class WatchedSource final : public ByteSource {
public:
    WatchedSource(ByteSource& source, std::atomic<std::uint64_t>& done,
                  const std::atomic<bool>& cancelRequested);

    std::size_t read(char* destination, std::size_t n) override;
    std::uint64_t size() const override { return m_source.size(); }

private:
    ByteSource& m_source;
    std::atomic<std::uint64_t>& m_done;
    const std::atomic<bool>& m_cancelRequested;
};

}  // namespace vorlix
