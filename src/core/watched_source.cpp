#include "core/watched_source.h"

namespace vorlix {

WatchedSource::WatchedSource(ByteSource& source, std::atomic<std::uint64_t>& done,
                             const std::atomic<bool>& cancelRequested)
    : m_source(source), m_done(done), m_cancelRequested(cancelRequested) {}

std::size_t WatchedSource::read(char* destination, std::size_t n) {
    if (m_cancelRequested.load(std::memory_order_relaxed)) {
        throw ReadCancelled();
    }
    const std::size_t got = m_source.read(destination, n);
    m_done.fetch_add(got, std::memory_order_relaxed);
    return got;
}

}  // namespace vorlix
