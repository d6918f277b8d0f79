#pragma once
// The minute tick: at the start of every minute it launches the tasks due in it, once
// each, and writes the minute it scanned as "Last Scan".
#include "platform/AppContext.h"
#include "scheduler/DueRules.h"
#include "scheduler/LaunchedMinutes.h"
#include "scheduler/SchedulerView.h"
#include "scheduler/TaskLaunch.h"
#include "scheduler/TickTiming.h"

class SchedulerTick {
public:
    SchedulerTick(const SchedulerView& view, AppContext& context, TaskLaunch& launch);

    void Timer2_Timer();
    // The task list has been rebuilt: times the next tick, and starts the tick again
    // when tasks have come after it stopped on an empty list (a halt stays a halt).
    void TaskListRebuilt();
    // Starts the tick afresh from the clock (start-up, resume after a halt).
    void Start();
    // Every re-arm comes here, so none can move the tick past a minute still to be scanned.
    void Arm();

    // Whether now's minute counts as scanned: the catch-up then leaves it to no tick.
    bool Scanned(const DateTime& now) const { return timing_.Scanned(now); }
    LaunchedMinutes& Launched() { return launched_; }

private:
    void KeepStatusLine();
    void ScanTaskRows(const DateTime& now);
    void LaunchIfDue(const due::TaskRow& task, const DateTime& now);

    const SchedulerView& view_;
    AppContext& context_;
    TaskLaunch& launch_;
    TickTiming timing_;
    LaunchedMinutes launched_;
};
