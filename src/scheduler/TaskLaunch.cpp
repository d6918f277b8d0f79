#include <algorithm>
#include <string_view>

#include "platform/DateTimeText.h"
#include "scheduler/CommandLine.h"
#include "scheduler/MessageFile.h"
#include "scheduler/Scheduler.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

using namespace task_grid;

namespace {

constexpr const char* kProgramStatus = "Last program to run is ";
constexpr const char* kMessageStatus = "Last message to run is ";
// The editor finds the file by this bare name: the program works in its own folder.
constexpr const char* kMessageFileArgument = " Message.txt";
constexpr size_t kMessagePrefixLength = std::string_view(store::kMessagePrefix).size();

}  // namespace

void Scheduler::RunProgramTask(const std::string& name, const std::string& commandLine, bool runOnce) {
    StartWithFallback(commandLine, SW_SHOWNORMAL);
    DateTime now = ctx_.clock.Now();
    StampLaunch(name, now);
    SetStatus(kProgramStatus, name, now);
    // A failed start went to the shell, whose failure is no error: nothing is left
    // to report, so the launch always counts as clean.
    if (runOnce) c_.DeleteTask(name);
}

void Scheduler::RunMessageTask(const std::string& name, const std::string& location,
                               const std::string& messageApp, bool runOnce) {
    DateTime now = ctx_.clock.Now();
    StampLaunch(name, now);
    if (!runOnce) SetStatus(kMessageStatus, name, now);

    std::string text = location.substr(std::min(location.size(), kMessagePrefixLength));
    ErrorInfo error = WriteMessageFile(ctx_.app.Path(), text);
    StartWithFallback(messageApp + kMessageFileArgument, runOnce ? SW_SHOWMAXIMIZED : SW_SHOWMINIMIZED);
    if (error) ctx_.prompts.MessageBox(c_.window, error.description, std::to_string(error.number), MB_OK);

    SetStatus(kMessageStatus, name, now);
    if (runOnce) c_.DeleteTask(name);
}

void Scheduler::mnuRun_Click() {
    const GridModel& grid = c_.grdProgram;
    int row = grid.Row();
    if (row < 1 || row >= grid.Rows()) return;  // the heading row is no task

    StartWithFallback(grid.TrimmedText(row, kLocationCol), SW_SHOWNORMAL);
    std::string name = grid.TrimmedText(row, kNameCol);
    DateTime now = ctx_.clock.Now();
    StampLaunch(name, now);
    SetStatus(kProgramStatus, name, now);
    c_.Minimize();
}

void Scheduler::StartWithFallback(const std::string& commandLine, int showCommand) {
    if (ctx_.launcher.StartProcess(QuoteProgramPath(commandLine), showCommand) != ERROR_SUCCESS)
        ShellOpen(ctx_, c_.window, commandLine);
}

void Scheduler::StampLaunch(const std::string& name, const DateTime& now) {
    store::WriteTaskLastRan(name, datetext::LaunchStamp(now));
}

void Scheduler::SetStatus(const char* what, const std::string& name, const DateTime& now) {
    c_.txtStatus.SetText(what + name + " on " + datetext::ShortDate(now.date()) + " at " +
                         datetext::LongTime(now));
}
