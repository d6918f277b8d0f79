#pragma once
// The task list: rebuilds the grid from the store, one row per task, and deletes
// tasks. The grid is the scheduler's working list.
#include <string>

#include "mainwindow/MainControls.h"

class Clock;

// The cells of a task row; row 0 of the grid holds the headings.
namespace task_grid {
enum Column { kPausedCol, kNameCol, kStartCol, kLocationCol, kDaysCol };
inline constexpr const char* kPausedMark = "Paused";
}  // namespace task_grid

class TaskList {
public:
    TaskList(MainControls& controls, const Clock& clock);

    // Rebuilds the grid from the store, sets the pause menu items and times the
    // scheduler tick to the next whole minute. When it finds task rows after the
    // timers were stopped on an empty list, both run again (the scheduler only if
    // the user has not halted it).
    void LoadTaskGrid();
    // Appends the row of one task (nothing for an empty name or one with a comma).
    void LoadTaskRow(const std::string& name);
    // Removes the task's record with all its values, then rebuilds the grid.
    void DeleteTask(const std::string& name);

    // Left button pressed on the grid: offers Edit, Delete and the pause command that
    // fits the current row, and tells when that task last ran.
    void grdProgram_MouseDown();
    // Shows Un-pause for a paused task, Pause otherwise; never both.
    void ShowPauseItems(bool paused);

private:
    MainControls& c_;
    const Clock& clock_;
};
