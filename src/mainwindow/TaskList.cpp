#include "mainwindow/TaskList.h"

#include <iterator>
#include <vector>

#include "scheduler/PauseHalt.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

namespace {

using namespace task_grid;

struct Heading {
    const char* text;
    int widthTwips;
};
// The weekdays' column has no heading; the last result comes after it.
constexpr Heading kHeadings[] = {{kPausedMark, 1400},       {"Name of Program", 2000}, {"Start Time", 2000},
                                 {"Path of Program", 6000}, {"", 1000},              {"Last Result", 2400}};

}  // namespace

TaskList::TaskList(TaskListView view, Scheduler& scheduler) : view_(view), scheduler_(scheduler) {}

SchedulerView SchedulerViewOf(MainControls& c, TaskList& tasks) {
    return {c.grdProgram, c.txtTime, c.txtStatus, c.Timer1, c.Timer2, c.mnuPause, c.mnuUnPause, c.mnuPVantro,
            c.window,
            [&c] {
                if (c.MinimizeWindow) c.MinimizeWindow();
            },
            [&tasks] { tasks.LoadTaskGrid(); },
            [&tasks](store::Store store, const std::string& name) { tasks.DeleteTask(store, name); }};
}

TaskListView TaskListViewOf(MainControls& c) {
    return {c.grdProgram, c.txtStatus, c.mnuEdit, c.mnuDelete, c.mnuRun, c.mnuPause, c.mnuUnPause};
}

void TaskList::LoadTaskGrid() {
    GridModel& grid = view_.grdProgram;
    grid.SetCols(static_cast<int>(std::size(kHeadings)));
    grid.Clear();
    grid.SetRows(1);
    std::vector<std::string> headings;
    for (int col = 0; col < static_cast<int>(std::size(kHeadings)); ++col) {
        headings.push_back(kHeadings[col].text);
        grid.SetColWidth(col, kHeadings[col].widthTwips);
    }
    grid.SetRowTexts(0, headings);

    for (store::Store store : {store::Store::Machine, store::Store::User})
        for (const std::string& name : ListSubKeys(store::RootOf(store), store::kTasksKey)) LoadTaskRow(store, name);

    // Emptying the grid took the current row back to the headings: no task is chosen.
    ShowPauseItems(view_.mnuPause, view_.mnuUnPause, false);
    view_.mnuEdit.SetEnabled(false);
    view_.mnuDelete.SetEnabled(false);
    view_.mnuRun.SetEnabled(false);

    scheduler_.TaskListRebuilt();
    grid.NotifyRebuilt();
}

void TaskList::LoadTaskRow(store::Store store, const std::string& name) {
    if (name.empty() || name.find(',') != std::string::npos) return;
    store::TaskRecord task = store::ReadTask(store, name);
    GridModel& grid = view_.grdProgram;
    grid.SetRows(grid.Rows() + 1);
    grid.SetRowTexts(grid.Rows() - 1, {PauseCellText(task.paused, store), name,
                                       task.startDate + " at " + task.startTime, task.location, task.days,
                                       task.lastResult});
}

void TaskList::DeleteTask(store::Store store, const std::string& name) {
    store::DeleteTaskRecord(store, name);
    LoadTaskGrid();
}

void TaskList::grdProgram_MouseDown() {
    const GridModel& grid = view_.grdProgram;
    int row = grid.Row();
    bool onTask = row > 0 && row < grid.Rows();
    view_.mnuEdit.SetEnabled(onTask);
    view_.mnuDelete.SetEnabled(onTask);
    view_.mnuRun.SetEnabled(onTask);
    if (!onTask) {
        view_.mnuPause.SetVisible(false);
        view_.mnuUnPause.SetVisible(false);
        return;
    }
    ShowPauseItems(view_.mnuPause, view_.mnuUnPause, IsPausedCell(grid.TrimmedText(row, kPausedCol)));
    std::string lastRan = store::ReadTask(StoreAt(grid, row), TaskNameAt(grid, row)).lastRan;
    view_.txtStatus.SetText(lastRan.empty() ? "Last ran was NEVER" : "Last ran " + lastRan);
}
