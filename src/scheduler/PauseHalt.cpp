#include "scheduler/MachineTaskGuard.h"
#include "scheduler/Scheduler.h"
#include "store/TaskRecord.h"

using namespace task_grid;

void Scheduler::mnuPause_Click() { SetPaused(true); }

void Scheduler::mnuUnPause_Click() { SetPaused(false); }

// The grid cell is what the tick reads, so it changes at once; no rebuild.
void Scheduler::SetPaused(bool paused) {
    GridModel& grid = view_.grdProgram;
    int row = grid.Row();
    if (row < 1 || row >= grid.Rows()) return;
    std::string name = TaskNameAt(grid, row);
    store::Store store = StoreAt(grid, row);
    if (RefuseMachineTaskChange(ctx_, view_.window, store, name)) return;
    grid.SetTextMatrix(row, kPausedCol, PauseCellText(paused, store));
    store::WriteTaskPaused(store, name, paused);
    ShowPauseItems(paused);
}

void Scheduler::ShowPauseItems(bool paused) {
    view_.mnuUnPause.SetVisible(paused);
    view_.mnuPause.SetVisible(!paused);
}

void Scheduler::mnuPVantro_Click() {
    bool halted = !view_.mnuPVantro.Checked();
    view_.mnuPVantro.SetChecked(halted);
    if (halted) {
        view_.Timer2.SetEnabled(false);
        return;
    }
    StartTick();
}
