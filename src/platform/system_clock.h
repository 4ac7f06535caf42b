#pragma once

#include "core/clock.h"

namespace vorlix {

// The local date and time of the system, in the user's time zone.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

}  // namespace vorlix
