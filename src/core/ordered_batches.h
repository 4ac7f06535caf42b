#pragma once

#include <cstddef>
#include <functional>

namespace vorlix {

// Runs produce(batch, worker) for the batches 0 to count - 1 on `workers` threads, the calling
// thread being one of them, worker w taking the batches w, w + workers, w + 2 * workers, ...
// Right after producing a batch its worker calls consume(worker), in the order of the batches
// and one consume at a time, so that a worker may keep its batch's result in storage of its
// own until it is consumed. The first exception thrown by either ends the run: batches not
// yet begun are left out and the exception reaches the caller once every thread has ended.
void runOrderedBatches(std::size_t count, unsigned workers,
                       const std::function<void(std::size_t batch, unsigned worker)>& produce,
                       const std::function<void(unsigned worker)>& consume);

// The threads worth running for work that keeps every core busy: the cores there are, at most
// four.
unsigned batchWorkers();

}  // namespace vorlix
