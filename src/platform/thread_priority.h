#pragma once

namespace vorlix {

// Gives the calling thread the lowest scheduling priority, so that it runs on what the
// user interface and other work leave over. Linux schedules each thread on its own, so the
// rest of the process keeps its priority. Lowering one's own priority is always allowed.
void lowerCallingThreadPriority();

}  // namespace vorlix
