#pragma once

namespace vorlix {

// A moment of the local calendar: what lend dates are written from and measured against.
struct LocalDateTime {
    int year = 1970;
    int month = 1;  // 1 for January
    int day = 1;
    int secondOfDay = 0;  // seconds since local midnight
};

// The local date and time, given to the logic that dates things so that tests can fix "now".
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

}  // namespace vorlix
