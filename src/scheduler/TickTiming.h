#pragma once
// When the scheduler tick comes: at the start of every minute, and each minute is
// scanned once. A tick that fires a little early, in a minute already scanned, only
// re-arms for the next minute's start; a re-arm from elsewhere (a grid rebuild, a
// resume) while the minute under way still waits for its scan brings the tick
// forward rather than pushing it past that minute. No <windows.h>.
#include <optional>

#include "platform/DateTime.h"

class TickTiming {
public:
    // The tick starts (program start, resume, tasks after an empty list). A minute
    // already under way is missed, unless now is still in its first second, where a
    // tick on time could still be due.
    void Start(const DateTime& now);
    // Whether a tick at now scans: its minute has not been scanned yet. Marks it.
    bool BeginScan(const DateTime& now);
    // Whether now's minute counts as scanned (or, at the start, as missed).
    bool Scanned(const DateTime& now) const { return scanned_ == StartOfMinute(now); }
    // Milliseconds to the next tick: at once while now's minute waits for its scan,
    // else to the start of the next minute.
    int Interval(const DateTime& now) const;

private:
    std::optional<DateTime> scanned_;  // the minute last scanned
};
