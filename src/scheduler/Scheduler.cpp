#include "scheduler/Scheduler.h"

#include "platform/DateTimeText.h"

Scheduler::Scheduler(SchedulerView view, AppContext& context) : c_(std::move(view)), ctx_(context) {}

void Scheduler::TaskListRebuilt() {
    int nextMinute = datetext::NextMinuteInterval(ctx_.clock.Now());
    c_.Timer2.SetInterval(nextMinute);
    // The scheduler tick stops both timers while the list is empty; a task has come.
    if (c_.grdProgram.Rows() > 1) {
        if (!c_.Timer1.Enabled()) {
            c_.Timer1.SetInterval(nextMinute);
            c_.Timer1.SetEnabled(true);
        }
        if (!c_.Timer2.Enabled() && !c_.mnuPVantro.Checked()) c_.Timer2.SetEnabled(true);
    }
}
