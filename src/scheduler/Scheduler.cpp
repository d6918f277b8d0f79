#include "scheduler/Scheduler.h"

Scheduler::Scheduler(MainControls& controls, TaskList& tasks, AppContext& context)
    : c_(controls), tasks_(tasks), ctx_(context) {}
