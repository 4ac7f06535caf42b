#pragma once

#include <atomic>
#include <mutex>
#include <thread>

#include "app/search_service.h"
#include "search/disc_snapshot.h"
#include "search/search_task.h"

namespace vorlix {

// One running search on a thread of its own, over the snapshot it was given.
//
// Results reach the receiver only while the delivery lock is held and no stop was asked for;
// stop() sets the request and then takes that lock, so once it returns no call to the receiver
// is under way and none can begin. The receiver must therefore not wait, inside a call, for the
// thread that stops the search (a window hands each batch on to its own thread without waiting
// for it), and must not end the run from inside a call.
class SearchWorker : public SearchRun {
public:
    SearchWorker(SearchTask task, CatalogueSnapshot discs, SearchReceiver& receiver);
    ~SearchWorker() override;
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    void stop() override;
    bool finished() const override { return m_finished.load(); }

private:
    void work();
    bool deliver(std::vector<DiscResult>& discs, std::vector<FileResult>& files);

    const SearchTask m_task;
    const CatalogueSnapshot m_discs;
    SearchReceiver& m_receiver;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::mutex m_delivering;
    std::thread m_thread;  // last, so that it starts once everything it reads is in place
};

}  // namespace vorlix
