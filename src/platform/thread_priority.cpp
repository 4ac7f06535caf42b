#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace vorlix {

void lowerCallingThreadPriority() {
    constexpr int kLowestPriority = 19;
    static_cast<void>(setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLowestPriority));
}

}  // namespace vorlix
