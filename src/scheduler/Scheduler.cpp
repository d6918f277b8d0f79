#include "scheduler/Scheduler.h"

Scheduler::Scheduler(SchedulerView view, AppContext& context)
    : view_(std::move(view)),
      ctx_(context),
      boxes_(context.prompts, view_.window),
      records_(view_.grdProgram, view_.txtStatus, HistoryFileIn(context.app.DataFolder())) {
    timing_.Start(ctx_.clock.Now());
}

void Scheduler::TaskListRebuilt() {
    // The tick stopped itself on an empty list and a task has come; a halt stays a halt.
    if (view_.grdProgram.Rows() > 1 && !view_.Timer2.Enabled() && !view_.mnuPVantro.Checked()) {
        StartTick();
        return;
    }
    ArmTick();
}

void Scheduler::StartTick() {
    timing_.Start(ctx_.clock.Now());
    ArmTick();
    view_.Timer2.SetEnabled(true);
}

// Every re-arm comes here, so none can move the tick past a minute still to be scanned.
void Scheduler::ArmTick() { view_.Timer2.SetInterval(timing_.Interval(ctx_.clock.Now())); }
