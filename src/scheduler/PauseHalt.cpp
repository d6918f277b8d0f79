#include "scheduler/PauseHalt.h"

#include "scheduler/MachineTaskGuard.h"
#include "store/TaskRecord.h"

using namespace task_grid;

PauseHalt::PauseHalt(const SchedulerView& view, AppContext& context, SchedulerTick& tick)
    : view_(view), context_(context), tick_(tick) {}

void PauseHalt::mnuPause_Click() { SetPaused(true); }

void PauseHalt::mnuUnPause_Click() { SetPaused(false); }

// The grid cell is what the tick reads, so it changes at once; no rebuild.
void PauseHalt::SetPaused(bool paused) {
    GridModel& grid = view_.grdProgram;
    int row = grid.Row();
    if (row < 1 || row >= grid.Rows()) return;
    std::string name = TaskNameAt(grid, row);
    store::Store store = StoreAt(grid, row);
    if (RefuseMachineTaskChange(context_, view_.window, store, name)) return;
    grid.SetTextMatrix(row, kPausedCol, PauseCellText(paused, store));
    store::WriteTaskPaused(store, name, paused);
    ShowPauseItems(view_.mnuPause, view_.mnuUnPause, paused);
}

void PauseHalt::mnuPVantro_Click() {
    bool halted = !view_.mnuPVantro.Checked();
    view_.mnuPVantro.SetChecked(halted);
    if (halted) {
        view_.Timer2.SetEnabled(false);
        return;
    }
    tick_.Start();
}

void ShowPauseItems(ui::MenuItem& pause, ui::MenuItem& unPause, bool paused) {
    unPause.SetVisible(paused);
    pause.SetVisible(!paused);
}
