#pragma once
// What the scheduler sees of the main window: the task grid it works from, the clock
// and status lines, its two timers, the menu items it sets, the window that owns its
// boxes, and the task list's rebuild and delete. The main window fills it in; tests
// fill it with controls that need no window.
#include <windows.h>

#include <functional>
#include <string>

#include "scheduler/GridModel.h"
#include "store/Stores.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

// What the cells of a task row mean.
namespace task_grid {
inline constexpr const char* kPausedMark = "Paused";
// The pause cell also shows, at a glance, the tasks of the machine store, which run for
// every user; a paused one's cell still begins with the pause mark.
inline constexpr const char* kAllUsersMark = "All users";
inline constexpr const char* kPausedAllUsersMark = "Paused, all users";
inline std::string PauseCellText(bool paused, store::Store store) {
    if (store == store::Store::Machine) return paused ? kPausedAllUsersMark : kAllUsersMark;
    return paused ? kPausedMark : "";
}
inline bool IsPausedCell(const std::string& trimmed) { return !trimmed.empty() && trimmed.front() == 'P'; }
inline store::Store StoreOfCell(const std::string& trimmed) {
    return trimmed == kAllUsersMark || trimmed == kPausedAllUsersMark ? store::Store::Machine : store::Store::User;
}
inline store::Store StoreAt(const GridModel& grid, int row) { return StoreOfCell(grid.TrimmedText(row, kPausedCol)); }
// The task's name exactly as its key is named. Other writers leave names with blanks
// at the ends; trimmed, such a name would address another task's key, or none.
inline const std::string& TaskNameAt(const GridModel& grid, int row) { return grid.TextMatrix(row, kNameCol); }
}  // namespace task_grid

struct SchedulerView {
    GridModel& grdProgram;
    ui::TextBox& txtTime;
    ui::TextBox& txtStatus;
    ui::Timer& Timer1;  // clock and refresh tick
    ui::Timer& Timer2;  // scheduler tick
    ui::MenuItem& mnuPause;
    ui::MenuItem& mnuUnPause;
    ui::MenuItem& mnuPVantro;
    const HWND& window;  // owner of the boxes and the shell's calls; null before it exists

    std::function<void()> Minimize;
    std::function<void()> LoadTaskGrid;
    std::function<void(store::Store store, const std::string& name)> DeleteTask;
};
