#pragma once
#include "platform/DateTime.h"

// The current local date and time. Tests set it; the program reads the system clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime Now() const override;
};
