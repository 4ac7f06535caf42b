#include "platform/background_file_writer.h"

#include <algorithm>

#include "core/byte_sink.h"
#include "platform/safe_file_write.h"

namespace vorlix {

BackgroundFileWriter::BackgroundFileWriter(
    std::function<void(const std::string&, const Result&)> written)
    : m_written(std::move(written)), m_thread([this] { run(); }) {}

BackgroundFileWriter::~BackgroundFileWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void BackgroundFileWriter::write(std::string path, std::vector<std::string> chunks) {
    {
        const std::lock_guard lock(m_mutex);
        const auto waiting =
            std::ranges::find(m_pending, path, &decltype(m_pending)::value_type::first);
        if (waiting != m_pending.end()) {
            waiting->second = std::move(chunks);
        } else {
            m_pending.emplace_back(std::move(path), std::move(chunks));
        }
    }
    m_changed.notify_all();
}

void BackgroundFileWriter::waitUntilWritten() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.empty() && !m_writing; });
}

void BackgroundFileWriter::run() {
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return m_ending || !m_pending.empty(); });
        if (m_pending.empty()) {
            return;
        }
        const std::string path = std::move(m_pending.front().first);
        const std::vector<std::string> chunks = std::move(m_pending.front().second);
        m_pending.pop_front();
        m_writing = true;
        lock.unlock();
        const Result result = safeWriteFile(path, [&chunks](ByteSink& sink) {
            for (const std::string& chunk : chunks) {
                sink.write(chunk.data(), chunk.size());
            }
        });
        m_written(path, result);
        lock.lock();
        m_writing = false;
        m_changed.notify_all();
    }
}

}  // namespace vorlix
