#include "scheduler/TickTiming.h"

#include "platform/DateTimeText.h"

namespace {

// A timer's shortest wait; the system rounds it up to its own least.
constexpr int kAtOnceMs = 1;

}  // namespace

void TickTiming::Start(const DateTime& now) {
    if (now.second != 0) scanned_ = StartOfMinute(now);
}

bool TickTiming::BeginScan(const DateTime& now) {
    if (scanned_ == StartOfMinute(now)) return false;
    scanned_ = StartOfMinute(now);
    return true;
}

int TickTiming::Interval(const DateTime& now) const {
    if (scanned_ != StartOfMinute(now)) return kAtOnceMs;
    return datetext::NextMinuteInterval(now);
}
