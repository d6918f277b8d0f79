#include "scheduler/Scheduler.h"

Scheduler::Scheduler(SchedulerView view, AppContext& context)
    : view_(std::move(view)),
      launch_(view_, context),
      tick_(view_, context, launch_),
      catchUp_(view_, context, tick_, launch_),
      pauseHalt_(view_, context, tick_),
      clock_(view_, context) {}
