#include "editor/TaskCommands.h"

#include "editor/frmNew.h"
#include "platform/ProgramName.h"
#include "scheduler/MachineTaskGuard.h"
#include "scheduler/SchedulerView.h"
#include "store/TaskRecord.h"

namespace {

constexpr const char* kRemoveQuestion = "Remove this program for Vantro?";

}  // namespace

std::string TaskCommands::ChosenTaskName() const {
    int row = host_.grid.Row();
    if (row < 1 || row >= host_.grid.Rows()) return {};
    return task_grid::TaskNameAt(host_.grid, row);
}

void TaskCommands::ShowEditor(frmNew& form) {
    editor_ = &form;
    form.CentreOnMonitorOf(host_.window);
    form.ShowModal(host_.window);
    editor_ = nullptr;
    host_.LoadTaskGrid();
}

// One editor at a time: New or Edit from the tray while it is open brings it forward.
bool TaskCommands::EditorAlreadyOpen() const {
    if (editor_) SetForegroundWindow(editor_->hwnd());
    return editor_ != nullptr;
}

void TaskCommands::mnuNew_Click() {
    if (EditorAlreadyOpen()) return;
    frmNew form({ctx_, host_.utilities, host_.driveList, strMessageName_, fileExists, store::WritableStore()});
    form.Create(host_.window);
    form.ShowNewTask(ctx_.clock.Now());
    ShowEditor(form);
}

void TaskCommands::mnuEdit_Click() {
    const std::string name = ChosenTaskName();
    if (name.empty() || EditorAlreadyOpen()) return;
    const store::Store store = task_grid::StoreAt(host_.grid, host_.grid.Row());
    if (RefuseMachineTaskChange(ctx_, host_.window, store, name)) return;
    store::TaskRecord task = store::ReadTask(store, name);
    if (frmNew::IsMessageTask(task)) strMessageName_ = name;

    frmNew form({ctx_, host_.utilities, host_.driveList, strMessageName_, fileExists, store, name});
    form.Create(host_.window);
    form.ShowTask(task, ctx_.clock.Now());
    ShowEditor(form);
}

void TaskCommands::mnuDelete_Click() {
    const std::string name = ChosenTaskName();
    if (name.empty()) return;
    const store::Store store = task_grid::StoreAt(host_.grid, host_.grid.Row());
    if (RefuseMachineTaskChange(ctx_, host_.window, store, name)) return;
    // Escape or the close box answers neither Yes nor No: only Yes removes the task.
    if (ctx_.prompts.MessageBox(host_.window, kRemoveQuestion, ProgramName(ctx_.app), MB_YESNO) != IDYES) return;
    host_.DeleteTask(store, name);
}
