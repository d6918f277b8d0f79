#include <algorithm>

#include "scheduler/Scheduler.h"
#include "store/MissedRunSettings.h"
#include "store/TaskRecord.h"

void Scheduler::ClockMoved() {
    // A halted tick, or one stopped on an empty list, has nothing to re-arm.
    if (!view_.Timer2.Enabled()) return;
    CatchUp();
    ArmTick();
}

void Scheduler::CatchUp() {
    DateTime now = ctx_.clock.Now();
    // The last minute no tick will scan: this one when the tick counts it as gone.
    DateTime through = timing_.Scanned(now) ? StartOfMinute(now) : missed::MinuteBefore(now);
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
        launched_.Remember(LaunchKey(run.task), run.minute);
        LaunchTask(run.task, run.runOnce, LaunchCause::MissedRun);
    }
    view_.txtStatus.SetText(missed::RanLateStatus(runs.late, runs.tooOld));
}

Scheduler::MissedRuns Scheduler::FindMissedRuns(const DateTime& lastScan, const DateTime& through,
                                                const DateTime& oldest) const {
    MissedRuns runs;
    const DateTime tooOldUpTo = missed::MinuteBefore(oldest);
    for (int row = 1; row < view_.grdProgram.Rows(); ++row) {
        due::TaskRow task = ReadTaskRow(row);
        if (due::KindOf(task.location) == due::TaskKind::NotLaunchable) continue;
        // A run-once task is due on every day a weekly one is, and more: only a task
        // that could have been due has its record read.
        if (!missed::LastMissedMinute(task, true, lastScan, through)) continue;
        bool runOnce = store::ReadTask(task_grid::StoreOfCell(task.pausedMark), task.name).runOnce;
        std::optional<DateTime> recent =
            missed::LastMissedMinute(task, runOnce, std::max(lastScan, tooOldUpTo), through);
        if (recent && launched_.Contains(LaunchKey(task), *recent)) recent.reset();
        bool older = lastScan < tooOldUpTo && missed::LastMissedMinute(task, runOnce, lastScan, tooOldUpTo);
        runs.tooOld += older;
        runs.missedTasks += recent || older;
        if (recent) runs.late.push_back({task, runOnce, *recent});
    }
    std::stable_sort(runs.late.begin(), runs.late.end(),
                     [](const missed::MissedRun& a, const missed::MissedRun& b) { return a.minute < b.minute; });
    return runs;
}
