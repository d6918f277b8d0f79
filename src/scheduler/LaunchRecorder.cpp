#include "scheduler/LaunchRecorder.h"

#include "scheduler/SchedulerView.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

namespace {

HistoryEntry EntryOf(const Launch& launch, const std::string& result, DWORD runningMs) {
    return {HistoryTime(launch.at), launch.task, store::StoreName(launch.store), launch.command, CauseText(launch.cause),
            result, RunningTimeText(runningMs)};
}

}  // namespace

LaunchRecorder::LaunchRecorder(GridModel& grid, ui::TextBox& status, std::string historyPath)
    : grid_(grid), status_(status), history_(std::move(historyPath)) {
    watch_.Ended = [this](const ProcessExit& end) { OnEnded(end); };
    history_.WriteFailed = [this](const ErrorInfo& error) {
        status_.SetText("The launch history cannot be written: " + error.description);
    };
}

uint32_t LaunchRecorder::Begin(const Launch& launch) { return newest_[{launch.store, launch.task}] = ++lastSerial_; }

void LaunchRecorder::Started(const Launch& launch, UniqueKernelHandle process) {
    uint32_t serial = Begin(launch);
    if (uint32_t id = watch_.Watch(std::move(process))) {
        running_.emplace(id, Run{launch, serial});
        Record(launch, serial, {LaunchResult::Kind::Running}, 0, false);
        return;
    }
    Record(launch, serial, {LaunchResult::Kind::Started}, 0, true);
}

void LaunchRecorder::NotStarted(const Launch& launch, const ErrorInfo& error) {
    Record(launch, Begin(launch), {LaunchResult::Kind::NotStarted, error.number, error.description}, 0, true);
}

void LaunchRecorder::OnEnded(const ProcessExit& end) {
    auto found = running_.find(end.id);
    if (found == running_.end()) return;
    Run run = std::move(found->second);
    running_.erase(found);
    Record(run.launch, run.serial, {LaunchResult::Kind::Exited, end.exitCode}, end.runningMs, true);
}

void LaunchRecorder::RecordUnfinished() {
    for (const auto& [id, run] : running_)
        history_.Add(EntryOf(run.launch, ResultText({LaunchResult::Kind::Running}), watch_.RunningMs(id)));
    history_.Flush();
}

void LaunchRecorder::Record(const Launch& launch, uint32_t serial, const LaunchResult& result, DWORD runningMs,
                            bool final) {
    const std::string text = ResultText(result);
    if (newest_[{launch.store, launch.task}] == serial) {
        store::WriteTaskLastResult(launch.store, launch.task, text);
        for (int row = 1; row < grid_.Rows(); ++row)
            if (task_grid::TaskNameAt(grid_, row) == launch.task && task_grid::StoreAt(grid_, row) == launch.store)
                grid_.SetTextMatrix(row, task_grid::kLastResultCol, text);
    }
    if (final) history_.Add(EntryOf(launch, text, runningMs));
}
