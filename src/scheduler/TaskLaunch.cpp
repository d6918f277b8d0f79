#include <algorithm>
#include <string_view>

#include "platform/DateTimeText.h"
#include "platform/ShellOpen.h"
#include "scheduler/CommandLine.h"
#include "scheduler/MessageFile.h"
#include "scheduler/Scheduler.h"
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

void Scheduler::RunProgramTask(store::Store store, const std::string& name, const std::string& commandLine,
                               bool runOnce) {
    if (ErrorInfo error = StartWithFallback(commandLine, SW_SHOWNORMAL)) {
        // Nothing ran: no stamp, no status line, and a run-once task comes again.
        ReportNotStarted(error);
        return;
    }
    DateTime now = ctx_.clock.Now();
    StampLaunch(store, name, now);
    SetStatus(kProgramStatus, name, now);
    if (runOnce) view_.DeleteTask(store, name);
}

void Scheduler::RunMessageTask(store::Store store, const std::string& name, const std::string& location,
                               const std::string& messageApp, bool runOnce) {
    DateTime now = ctx_.clock.Now();
    StampLaunch(store, name, now);
    if (!runOnce) SetStatus(kMessageStatus, name, now);

    std::string text = location.substr(std::min(location.size(), kMessagePrefixLength));
    ErrorInfo fileError = WriteMessageFile(ctx_.app.DataFolder(), text);
    ErrorInfo startError = StartWithFallback(messageApp + " " + MessageFileArgument(ctx_.app.DataFolder()),
                                             runOnce ? SW_SHOWMAXIMIZED : SW_SHOWMINIMIZED);
    // One box per launch: the first thing that went wrong.
    if (ErrorInfo error = fileError ? fileError : startError)
        boxes_.Add(error.description, std::to_string(error.number));

    SetStatus(kMessageStatus, name, now);
    if (runOnce) view_.DeleteTask(store, name);
}

void Scheduler::mnuRun_Click() {
    const GridModel& grid = view_.grdProgram;
    int row = grid.Row();
    if (row < 1 || row >= grid.Rows()) return;  // the heading row is no task

    if (ErrorInfo error = StartWithFallback(grid.TrimmedText(row, kLocationCol), SW_SHOWNORMAL)) {
        ReportNotStarted(error);
        return;
    }
    std::string name = TaskNameAt(grid, row);
    DateTime now = ctx_.clock.Now();
    StampLaunch(StoreAt(grid, row), name, now);
    SetStatus(kProgramStatus, name, now);
    view_.Minimize();
}

ErrorInfo Scheduler::StartWithFallback(const std::string& commandLine, int showCommand) {
    DWORD startError = ctx_.launcher.StartProcess(QuoteProgramPath(commandLine), showCommand);
    if (startError == ERROR_SUCCESS || ShellOpen(ctx_, view_.window, commandLine) > kShellSucceeded) return {};
    return MakeError(startError);
}

void Scheduler::ReportNotStarted(const ErrorInfo& error) {
    boxes_.Add(error.description, "Error: " + std::to_string(error.number));
}

void Scheduler::StampLaunch(store::Store store, const std::string& name, const DateTime& now) {
    store::WriteTaskLastRan(store, name, datetext::LaunchStamp(now));
}

void Scheduler::SetStatus(const char* what, const std::string& name, const DateTime& now) {
    view_.txtStatus.SetText(what + name + " on " + datetext::ShortDate(now.date()) + " at " +
                         datetext::LongTime(now));
}
