#pragma once
// The task list: rebuilds the grid from the store, one row per task, and deletes
// tasks. The grid is the scheduler's working list.
#include <string>

#include "mainwindow/MainControls.h"
#include "scheduler/Scheduler.h"

// What the task list sees of the main window: the grid it fills, the status line that
// tells when a task last ran, and the menu items that fit the chosen row.
struct TaskListView {
    GridModel& grdProgram;
    ui::TextBox& txtStatus;
    ui::MenuItem& mnuEdit;
    ui::MenuItem& mnuDelete;
    ui::MenuItem& mnuRun;
    ui::MenuItem& mnuPause;
    ui::MenuItem& mnuUnPause;
};

class TaskList {
public:
    TaskList(TaskListView view, Scheduler& scheduler);

    // Rebuilds the grid from both stores, the machine's tasks first, sets the pause
    // menu items and lets the scheduler time its next tick.
    void LoadTaskGrid();
    // Appends the row of one task (nothing for an empty name or one with a comma).
    void LoadTaskRow(store::Store store, const std::string& name);
    // Removes the task's record with all its values, then rebuilds the grid.
    void DeleteTask(store::Store store, const std::string& name);

    // Left button pressed on the grid: offers Edit, Delete and the pause command that
    // fits the current row, and tells when that task last ran.
    void grdProgram_MouseDown();

private:
    TaskListView view_;
    Scheduler& scheduler_;
};

// The scheduler's view of the main window's controls, rebuilding and deleting through
// the task list (which may be built after the scheduler: the view only keeps it).
SchedulerView SchedulerViewOf(MainControls& controls, TaskList& tasks);
TaskListView TaskListViewOf(MainControls& controls);
