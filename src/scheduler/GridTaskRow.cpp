#include "scheduler/GridTaskRow.h"

#include "scheduler/SchedulerView.h"

using namespace task_grid;

due::TaskRow ReadTaskRow(const GridModel& grid, int row) {
    return {grid.TrimmedText(row, kPausedCol), TaskNameAt(grid, row), grid.TrimmedText(row, kStartCol),
            grid.TrimmedText(row, kLocationCol), grid.TrimmedText(row, kDaysCol)};
}

std::string LaunchKey(const due::TaskRow& task) {
    return (StoreOfCell(task.pausedMark) == store::Store::Machine ? "machine\\" : "user\\") + task.name;
}
