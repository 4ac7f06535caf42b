#include "platform/system_clock.h"

#include <ctime>

namespace vorlix {

LocalDateTime SystemClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            (local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec};
}

}  // namespace vorlix
