#include "scheduler/Scheduler.h"

Scheduler::Scheduler(SchedulerView view, AppContext& context)
    : c_(std::move(view)),
      ctx_(context),
      boxes_(context.prompts, c_.window),
      records_(c_.grdProgram, c_.txtStatus, HistoryFileIn(context.app.DataFolder())) {
    timing_.Start(ctx_.clock.Now());
}

void Scheduler::TaskListRebuilt() {
    // The tick stopped itself on an empty list and a task has come; a halt stays a halt.
    if (c_.grdProgram.Rows() > 1 && !c_.Timer2.Enabled() && !c_.mnuPVantro.Checked()) {
        StartTick();
        return;
    }
    ArmTick();
}

void Scheduler::StartTick() {
    timing_.Start(ctx_.clock.Now());
    ArmTick();
    c_.Timer2.SetEnabled(true);
}

// Every re-arm comes here, so none can move the tick past a minute still to be scanned.
void Scheduler::ArmTick() { c_.Timer2.SetInterval(timing_.Interval(ctx_.clock.Now())); }
