#include <cctype>
#include <string_view>

#include "platform/ProgramName.h"
#include "scheduler/Scheduler.h"
#include "store/MissedRunSettings.h"
#include "store/StoreLayout.h"
#include "store/Stores.h"
#include "store/TaskRecord.h"

using namespace task_grid;

namespace {

// A status line that begins so stays until a later launch replaces it: a program's
// launch, and what ran late or was missed.
constexpr std::string_view kKeptStatus[] = {"LAST PROGRAM", "RAN LATE", "MISSED"};

}  // namespace

void Scheduler::Timer2_Timer() {
    // Stopped while the list is empty, until a rebuild finds tasks; the clock runs on.
    if (view_.grdProgram.Rows() < 2) view_.Timer2.SetEnabled(false);
    KeepStatusLine();
    DateTime now = ctx_.clock.Now();
    if (timing_.BeginScan(now)) {
        ScanTaskRows(now);
        store::WriteLastScan(now);
    }
    ArmTick();
}

void Scheduler::KeepStatusLine() {
    std::string text = view_.txtStatus.Text();
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (std::string_view kept : kKeptStatus)
        if (text.starts_with(kept)) return;
    view_.txtStatus.SetText(ProgramName(ctx_.app));
}

void Scheduler::ScanTaskRows(const DateTime& now) {
    const GridModel& grid = view_.grdProgram;
    // A run-once launch deletes its task and rebuilds the grid: the rows that followed
    // it move up into its place, so the scan stays there. The row count is read afresh.
    for (int row = 1; row < grid.Rows();) {
        due::TaskRow task = ReadTaskRow(row);
        store::Store store = StoreOfCell(task.pausedMark);
        LaunchIfDue(task, now);
        if (TaskNameAt(grid, row) == task.name && StoreAt(grid, row) == store) ++row;
    }
}

// Tasks of the same name in both stores are two tasks.
std::string Scheduler::LaunchKey(const due::TaskRow& task) {
    return (StoreOfCell(task.pausedMark) == store::Store::Machine ? "machine\\" : "user\\") + task.name;
}

due::TaskRow Scheduler::ReadTaskRow(int row) const {
    const GridModel& grid = view_.grdProgram;
    return {grid.TrimmedText(row, kPausedCol), TaskNameAt(grid, row),
            grid.TrimmedText(row, kStartCol), grid.TrimmedText(row, kLocationCol),
            grid.TrimmedText(row, kDaysCol)};
}

void Scheduler::LaunchIfDue(const due::TaskRow& task, const DateTime& now) {
    const store::Store store = StoreOfCell(task.pausedMark);
    const std::string launchKey = LaunchKey(task);
    if (!due::IsDueNow(task, now) || launched_.Contains(launchKey, now)) return;

    due::TaskKind kind = due::KindOf(task.location);
    if (kind == due::TaskKind::NotLaunchable) {
        launched_.Remember(launchKey, now);
        boxes_.Add("Error trying to launch " + task.name + " on " + task.start, ctx_.app.Title());
        return;
    }

    bool runOnce = store::ReadTask(store, task.name).runOnce;
    if (!runOnce && !due::RunsToday(task.days, now.date())) return;
    launched_.Remember(LaunchKey(task), now);
    LaunchTask(task, runOnce);
}

void Scheduler::LaunchTask(const due::TaskRow& task, bool runOnce, LaunchCause cause) {
    const store::Store store = StoreOfCell(task.pausedMark);
    if (due::KindOf(task.location) == due::TaskKind::Message) {
        std::string messageApp = store::ReadSetting(store::kMessageApp).AsText();
        RunMessageTask(store, task.name, task.location, messageApp, runOnce, cause);
    } else {
        RunProgramTask(store, task.name, task.location, runOnce, cause);
    }
}
