#include "scheduler/MissedRunCatchUp.h"

#include <algorithm>

#include "scheduler/GridTaskRow.h"
#include "store/MissedRunSettings.h"
#include "store/TaskRecord.h"

MissedRunCatchUp::MissedRunCatchUp(const SchedulerView& view, AppContext& context, SchedulerTick& tick,
                                   TaskLaunch& launch)
    : view_(view), context_(context), tick_(tick), launch_(launch) {}

void MissedRunCatchUp::ClockMoved() {
    // A halted tick, or one stopped on an empty list, has nothing to re-arm.
    if (!view_.Timer2.Enabled()) return;
    CatchUp();
    tick_.Arm();
}

void MissedRunCatchUp::CatchUp() {
    DateTime now = context_.clock.Now();
    // The last minute no tick will scan: this one when the tick counts it as gone.
    DateTime through = tick_.Scanned(now) ? StartOfMinute(now) : missed::MinuteBefore(now);
    std::optional<DateTime> lastScan = store::ReadLastScan();
    store::WriteLastScan(through);
    // Missing, unreadable or ahead of the clock (set back): nothing was missed. Never a flood.
    if (!lastScan || *lastScan >= through) return;

    MissedRuns runs = FindMissedRuns(*lastScan, through, missed::OldestToRun(now));
    if (runs.missedTasks == 0) return;
    if (!store::ReadRunMissed()) {
        view_.txtStatus.SetText(missed::MissedStatus(runs.missedTasks));
        return;
    }
    for (const missed::MissedRun& run : runs.late) {
        tick_.Launched().Remember(LaunchKey(run.task), run.minute);
        launch_.Launch(run.task, run.runOnce, LaunchCause::MissedRun);
    }
    view_.txtStatus.SetText(missed::RanLateStatus(runs.late, runs.tooOld));
}

MissedRunCatchUp::MissedRuns MissedRunCatchUp::FindMissedRuns(const DateTime& lastScan, const DateTime& through,
                                                              const DateTime& oldest) const {
    MissedRuns runs;
    const DateTime tooOldUpTo = missed::MinuteBefore(oldest);
    for (int row = 1; row < view_.grdProgram.Rows(); ++row) {
        due::TaskRow task = ReadTaskRow(view_.grdProgram, row);
        if (due::KindOf(task.location) == due::TaskKind::NotLaunchable) continue;
        // A run-once task is due on every day a weekly one is, and more: only a task
        // that could have been due has its record read.
        if (!missed::LastMissedMinute(task, true, lastScan, through)) continue;
        bool runOnce = store::ReadTask(task_grid::StoreOfCell(task.pausedMark), task.name).runOnce;
        std::optional<DateTime> recent =
            missed::LastMissedMinute(task, runOnce, std::max(lastScan, tooOldUpTo), through);
        if (recent && tick_.Launched().Contains(LaunchKey(task), *recent)) recent.reset();
        bool older = lastScan < tooOldUpTo && missed::LastMissedMinute(task, runOnce, lastScan, tooOldUpTo);
        runs.tooOld += older;
        runs.missedTasks += recent || older;
        if (recent) runs.late.push_back({task, runOnce, *recent});
    }
    std::stable_sort(runs.late.begin(), runs.late.end(),
                     [](const missed::MissedRun& a, const missed::MissedRun& b) { return a.minute < b.minute; });
    return runs;
}
