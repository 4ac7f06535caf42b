#pragma once

#include "core/clock.h"

namespace vorlix::test {

// A clock that stands still where the test puts it: 5 March 2004 at noon unless told otherwise.
struct FixedClock final : Clock {
    LocalDateTime time{2004, 3, 5, 12 * 3600};
    LocalDateTime now() const override { return time; }
};

}  // namespace vorlix::test
