#include "search/search_worker.h"

#include "platform/thread_priority.h"
#include "search/result_batches.h"

namespace vorlix {

SearchWorker::SearchWorker(SearchTask task, CatalogueSnapshot discs, SearchReceiver& receiver)
    : m_task(std::move(task)),
      m_discs(std::move(discs)),
      m_receiver(receiver),
      m_thread([this] { work(); }) {}

SearchWorker::~SearchWorker() {
    stop();
    m_thread.join();
}

void SearchWorker::stop() {
    m_stop.store(true);
    if (std::this_thread::get_id() != m_thread.get_id()) {
        const std::lock_guard wait(m_delivering);
    }
}

void SearchWorker::work() {
    // A file search reads every name of the catalogue; it must not slow down the user
    // interface or a disc search started meanwhile.
    if (m_task.searchesFiles()) {
        lowerCallingThreadPriority();
    }
    ResultBatches batches([this](std::vector<DiscResult>& discs, std::vector<FileResult>& files) {
        return deliver(discs, files);
    });
    const bool walkedAll = m_task.run(*m_discs, m_stop, batches);
    if (batches.finish() && walkedAll) {
        const std::lock_guard delivering(m_delivering);
        if (!m_stop.load()) {
            m_receiver.searchDone();
        }
    }
    m_finished.store(true);
}

bool SearchWorker::deliver(std::vector<DiscResult>& discs, std::vector<FileResult>& files) {
    const std::lock_guard delivering(m_delivering);
    if (m_stop.load()) {
        return false;
    }
    if (!discs.empty()) {
        m_receiver.discsFound(std::move(discs));
    }
    if (!files.empty()) {
        m_receiver.filesFound(std::move(files));
    }
    return true;
}

}  // namespace vorlix
