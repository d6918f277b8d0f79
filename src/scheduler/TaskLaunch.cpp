#include "scheduler/TaskLaunch.h"

#include <algorithm>
#include <string_view>

#include "platform/DateTimeText.h"
#include "scheduler/CommandLine.h"
#include "scheduler/MessageFile.h"
#include "platform/ShellOpen.h"
#include "store/Stores.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

using namespace task_grid;

namespace {

constexpr const char* kProgramStatus = "Last program to run is ";
constexpr const char* kMessageStatus = "Last message to run is ";
// The shell's results above this mean it opened the file.
constexpr intptr_t kShellSucceeded = 32;
constexpr size_t kMessagePrefixLength = std::string_view(store::kMessagePrefix).size();

}  // namespace

TaskLaunch::TaskLaunch(const SchedulerView& view, AppContext& context)
    : view_(view),
      context_(context),
      boxes_(context.prompts, view.window),
      records_(view.grdProgram, view.txtStatus, HistoryFileIn(context.app.DataFolder())) {}

void TaskLaunch::Launch(const due::TaskRow& task, bool runOnce, LaunchCause cause) {
    const store::Store store = StoreOfCell(task.pausedMark);
    if (due::KindOf(task.location) == due::TaskKind::Message) {
        std::string messageApp = store::ReadSetting(store::kMessageApp).AsText();
        RunMessageTask(store, task.name, task.location, messageApp, runOnce, cause);
    } else {
        RunProgramTask(store, task.name, task.location, runOnce, cause);
    }
}

void TaskLaunch::ReportNotLaunchable(const due::TaskRow& task) {
    boxes_.Add("Error trying to launch " + task.name + " on " + task.start, context_.app.Title());
}

void TaskLaunch::RunProgramTask(store::Store store, const std::string& name, const std::string& commandLine,
                                bool runOnce, LaunchCause cause) {
    // Nothing ran: no stamp, no status line, and a run-once task comes again.
    if (!LaunchProgram(store, name, commandLine, cause)) return;
    if (runOnce) view_.DeleteTask(store, name);
}

bool TaskLaunch::LaunchProgram(store::Store store, const std::string& name, const std::string& commandLine,
                               LaunchCause cause) {
    Start start = StartWithFallback(commandLine, SW_SHOWNORMAL);
    DateTime now = context_.clock.Now();
    if (start.error) {
        records_.NotStarted({store, name, commandLine, cause, now}, start.error);
        boxes_.Add(start.error.description, "Error: " + std::to_string(start.error.number));
        return false;
    }
    records_.Started({store, name, commandLine, cause, now}, std::move(start.process));
    StampLaunch(store, name, now);
    SetStatus(kProgramStatus, name, now);
    return true;
}

void TaskLaunch::RunMessageTask(store::Store store, const std::string& name, const std::string& location,
                                const std::string& messageApp, bool runOnce, LaunchCause cause) {
    DateTime now = context_.clock.Now();
    StampLaunch(store, name, now);
    if (!runOnce) SetStatus(kMessageStatus, name, now);

    std::string text = location.substr(std::min(location.size(), kMessagePrefixLength));
    ErrorInfo fileError = WriteMessageFile(context_.app.DataFolder(), text);
    Start start = StartWithFallback(messageApp + " " + MessageFileArgument(context_.app.DataFolder()),
                                    runOnce ? SW_SHOWMAXIMIZED : SW_SHOWMINIMIZED);
    ErrorInfo startError = start.error;
    // What counts is whether the editor came up, not when it is closed.
    if (startError) {
        records_.NotStarted({store, name, location, cause, now}, startError);
    } else {
        records_.Started({store, name, location, cause, now}, {});
    }
    // One box per launch: the first thing that went wrong.
    if (ErrorInfo error = fileError ? fileError : startError)
        boxes_.Add(error.description, std::to_string(error.number));

    SetStatus(kMessageStatus, name, now);
    if (runOnce) view_.DeleteTask(store, name);
}

void TaskLaunch::RunSelected() {
    const GridModel& grid = view_.grdProgram;
    int row = grid.Row();
    if (row < 1 || row >= grid.Rows()) return;  // the heading row is no task

    if (!LaunchProgram(StoreAt(grid, row), TaskNameAt(grid, row), grid.TrimmedText(row, kLocationCol),
                       LaunchCause::RunTask))
        return;
    view_.Minimize();
}

TaskLaunch::Start TaskLaunch::StartWithFallback(const std::string& commandLine, int showCommand) {
    ProcessStart started = context_.launcher.StartProcess(QuoteProgramPath(commandLine), showCommand);
    if (started.error == ERROR_SUCCESS) return {{}, std::move(started.process)};
    UniqueKernelHandle opened;
    if (ShellOpen(context_, view_.window, commandLine, &opened) > kShellSucceeded) return {{}, std::move(opened)};
    return {MakeError(started.error), {}};
}

void TaskLaunch::StampLaunch(store::Store store, const std::string& name, const DateTime& now) {
    store::WriteTaskLastRan(store, name, datetext::LaunchStamp(now));
}

void TaskLaunch::SetStatus(const char* what, const std::string& name, const DateTime& now) {
    view_.txtStatus.SetText(what + name + " on " + datetext::ShortDate(now.date()) + " at " +
                            datetext::LongTime(now));
}
