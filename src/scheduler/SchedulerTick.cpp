#include "scheduler/SchedulerTick.h"

#include <cctype>
#include <string_view>

#include "platform/ProgramName.h"
#include "scheduler/GridTaskRow.h"
#include "store/MissedRunSettings.h"
#include "store/TaskRecord.h"

using namespace task_grid;

namespace {

// A status line that begins so stays until a later launch replaces it: a program's
// launch, and what ran late or was missed.
constexpr std::string_view kKeptStatus[] = {"LAST PROGRAM", "RAN LATE", "MISSED"};

}  // namespace

SchedulerTick::SchedulerTick(const SchedulerView& view, AppContext& context, TaskLaunch& launch)
    : view_(view), context_(context), launch_(launch) {
    timing_.Start(context_.clock.Now());
}

void SchedulerTick::Timer2_Timer() {
    // Stopped while the list is empty, until a rebuild finds tasks; the clock runs on.
    if (view_.grdProgram.Rows() < 2) view_.Timer2.SetEnabled(false);
    KeepStatusLine();
    DateTime now = context_.clock.Now();
    if (timing_.BeginScan(now)) {
        ScanTaskRows(now);
        store::WriteLastScan(now);
    }
    Arm();
}

void SchedulerTick::TaskListRebuilt() {
    // The tick stopped itself on an empty list and a task has come; a halt stays a halt.
    if (view_.grdProgram.Rows() > 1 && !view_.Timer2.Enabled() && !view_.mnuPVantro.Checked()) {
        Start();
        return;
    }
    Arm();
}

void SchedulerTick::Start() {
    timing_.Start(context_.clock.Now());
    Arm();
    view_.Timer2.SetEnabled(true);
}

void SchedulerTick::Arm() { view_.Timer2.SetInterval(timing_.Interval(context_.clock.Now())); }

void SchedulerTick::KeepStatusLine() {
    std::string text = view_.txtStatus.Text();
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (std::string_view kept : kKeptStatus)
        if (text.starts_with(kept)) return;
    view_.txtStatus.SetText(ProgramName(context_.app));
}

void SchedulerTick::ScanTaskRows(const DateTime& now) {
    const GridModel& grid = view_.grdProgram;
    // A run-once launch deletes its task and rebuilds the grid: the rows that followed
    // it move up into its place, so the scan stays there. The row count is read afresh.
    for (int row = 1; row < grid.Rows();) {
        due::TaskRow task = ReadTaskRow(grid, row);
        store::Store store = StoreOfCell(task.pausedMark);
        LaunchIfDue(task, now);
        if (TaskNameAt(grid, row) == task.name && StoreAt(grid, row) == store) ++row;
    }
}

void SchedulerTick::LaunchIfDue(const due::TaskRow& task, const DateTime& now) {
    const std::string launchKey = LaunchKey(task);
    if (!due::IsDueNow(task, now) || launched_.Contains(launchKey, now)) return;

    if (due::KindOf(task.location) == due::TaskKind::NotLaunchable) {
        launched_.Remember(launchKey, now);
        launch_.ReportNotLaunchable(task);
        return;
    }

    bool runOnce = store::ReadTask(StoreOfCell(task.pausedMark), task.name).runOnce;
    if (!runOnce && !due::RunsToday(task.days, now.date())) return;
    launched_.Remember(launchKey, now);
    launch_.Launch(task, runOnce, LaunchCause::Minute);
}
