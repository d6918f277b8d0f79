#pragma once
// The real main window through simulated minutes: every minute a task's time is set
// to that minute, the raised "Update" flag rebuilds the grid, and the
// scheduler tick launches the task. What the process holds is counted after a warm-up
// and at the end. Shared by the test (a day) and bench_leak (a month).
#include "support/ResourceCounts.h"

struct LongRunReport {
    ResourceCounts start, end;
    int launches = 0;
};

LongRunReport RunMainWindow(int minutes, int warmUpMinutes);
