#include "editor/TaskCommands.h"

#include <string_view>

#include "editor/DayList.h"
#include "editor/frmNew.h"
#include "platform/DateTimeText.h"
#include "platform/ProgramName.h"
#include "scheduler/MachineTaskGuard.h"
#include "platform/Trim.h"
#include "scheduler/SchedulerView.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

namespace {

constexpr const char* kRemoveQuestion = "Remove this program for Vantro?";

// A stored date and time put into the pickers; what cannot be read gives way to now.
DateTime PickerDate(const std::string& stored, const DateTime& now) {
    std::optional<Date> date = datetext::ParseDate(stored);
    if (!date) return now;
    return {date->year, date->month, date->day, now.hour, now.minute, now.second};
}

DateTime PickerTime(const std::string& stored, const DateTime& now) {
    std::optional<DateTime> time = datetext::ParseTime(stored);
    if (!time) return now;
    return {now.year, now.month, now.day, time->hour, time->minute, 0};
}

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
    DateTime now = ctx_.clock.Now();
    form.txtDate.SetValue(now);
    form.txtTime.SetValue(now);
    ShowEditor(form);
}

void TaskCommands::mnuEdit_Click() {
    const std::string name = ChosenTaskName();
    if (name.empty() || EditorAlreadyOpen()) return;
    const store::Store store = task_grid::StoreAt(host_.grid, host_.grid.Row());
    if (RefuseMachineTaskChange(ctx_, host_.window, store, name)) return;
    store::TaskRecord task = store::ReadTask(store, name);
    // The type and the text come from one value, trimmed as the task list reads it.
    const std::string location = Trimmed(task.location);
    bool message = location.starts_with(store::kMessagePrefix);
    if (message) strMessageName_ = name;

    frmNew form({ctx_, host_.utilities, host_.driveList, strMessageName_, fileExists, store, name});
    form.Create(host_.window);
    if (message) {
        form.optSM.SetValue(true);
        form.txtMessage.SetText(location.substr(std::string_view(store::kMessagePrefix).size()));
    } else {
        form.optSP.SetValue(true);
        form.txtLocation.SetText(task.location);
        form.txtProgramName.SetText(name);
    }
    DateTime now = ctx_.clock.Now();
    form.txtStartDate.SetText(task.startDate);
    form.txtDate.SetValue(PickerDate(task.startDate, now));
    form.txtStartTime.SetText(task.startTime);
    form.txtTime.SetValue(PickerTime(task.startTime, now));
    form.chkRunOnlyOnce[task.runOnce ? 0 : 1].SetValue(true);
    WeekdayChoice days = DaysInList(task.days);
    for (size_t day = 0; day < days.size(); ++day)
        if (days[day]) form.chkWeekDay[day].SetValue(1);
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
