#pragma once
// The clock tick: the time shown at each minute's start, and a rebuild of the task
// list when another program has changed a store.
#include "platform/AppContext.h"
#include "scheduler/SchedulerView.h"

class ClockTick {
public:
    ClockTick(const SchedulerView& view, AppContext& context);

    void Timer1_Timer();

private:
    const SchedulerView& view_;
    AppContext& context_;
};
