#pragma once
// The minutes no tick scanned: since "Last Scan" at start-up, over a sleep, or when
// the clock is set forward.
#include <vector>

#include "platform/AppContext.h"
#include "scheduler/MissedRuns.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SchedulerView.h"
#include "scheduler/TaskLaunch.h"

class MissedRunCatchUp {
public:
    MissedRunCatchUp(const SchedulerView& view, AppContext& context, SchedulerTick& tick, TaskLaunch& launch);

    // With "Run Missed" on, each task due in the missed minutes runs once, in the order
    // of its minute; with it off, the status line tells how many were missed.
    void CatchUp();
    // Resume from sleep or a change of the clock: catches up, then times the next tick
    // from the clock as it is now rather than from a timer armed before.
    void ClockMoved();

private:
    struct MissedRuns {
        std::vector<missed::MissedRun> late;  // in the order of their minutes
        int tooOld = 0;       // tasks with runs missed more than a week ago too
        int missedTasks = 0;  // tasks with any run missed
    };
    MissedRuns FindMissedRuns(const DateTime& lastScan, const DateTime& through, const DateTime& oldest) const;

    const SchedulerView& view_;
    AppContext& context_;
    SchedulerTick& tick_;
    TaskLaunch& launch_;
};
