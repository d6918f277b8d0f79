#pragma once
// Which minutes a task fell due in while no tick scanned them (the computer off or
// asleep, Vantro closed, the clock set forward), and the status lines that tell of
// them. Works on the grid's row texts alone: no store, no <windows.h>.
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "scheduler/DueRules.h"

namespace missed {

struct MissedRun {
    due::TaskRow task;
    bool runOnce = false;
    DateTime minute;  // the latest minute it fell due in
};

// The latest minute after lastScan's and up to through (both minutes) in which the
// row fell due as the tick decides it; nothing when there is none. Several missed
// minutes of one task give one.
std::optional<DateTime> LastMissedMinute(const due::TaskRow& row, bool runOnce, const DateTime& lastScan,
                                         const DateTime& through);

// The start of the minute before t's.
DateTime MinuteBefore(const DateTime& t);
// Seven days before now: a run missed earlier is not run late.
DateTime OldestToRun(const DateTime& now);

// "Ran late: " and each task with the minute it was due, and how many tasks also
// missed runs too old to make up; empty when there is nothing to tell.
std::string RanLateStatus(const std::vector<MissedRun>& ran, int tooOld);
// With running late switched off: how many tasks missed their minute.
std::string MissedStatus(int missedCount);

}  // namespace missed
