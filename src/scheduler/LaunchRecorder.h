#pragma once
// Records what became of every launch: the task's "Last Result" (in its record and in
// the grid's cell) and a line of the launch history. A program's end is awaited
// through the process it left; when a task is launched again before its last run
// ended, each run gets its history line and "Last Result" follows the newest run.
#include <cstdint>
#include <map>
#include <string>

#include "platform/DateTime.h"
#include "platform/ErrorText.h"
#include "platform/ProcessWatch.h"
#include "scheduler/GridModel.h"
#include "scheduler/LaunchHistory.h"
#include "scheduler/LaunchResult.h"
#include "store/Stores.h"
#include "ui/Controls.h"

struct Launch {
    store::Store store;
    std::string task, command;
    LaunchCause cause;
    DateTime at;
};

class LaunchRecorder {
public:
    LaunchRecorder(GridModel& grid, ui::TextBox& status, std::string historyPath);

    // Started: "Running" until the process ends; without a process to await, "Started".
    void Started(const Launch& launch, UniqueKernelHandle process);
    void NotStarted(const Launch& launch, const ErrorInfo& error);
    // The program ends: runs not yet ended go into the history as "Running", which
    // their tasks' "Last Result" already says.
    void RecordUnfinished();
    size_t Running() const { return watch_.Running(); }
    const std::string& HistoryPath() const { return history_.Path(); }

private:
    struct Run {
        Launch launch;
        uint32_t serial;
    };
    uint32_t Begin(const Launch& launch);
    void Record(const Launch& launch, uint32_t serial, const LaunchResult& result, DWORD runningMs, bool final);
    void OnEnded(const ProcessExit& end);

    GridModel& grid_;
    ui::TextBox& status_;
    LaunchHistory history_;
    ProcessWatch watch_;
    std::map<uint32_t, Run> running_;           // by the watch's id
    std::map<std::pair<store::Store, std::string>, uint32_t> newest_;  // task -> serial of its newest launch
    uint32_t lastSerial_ = 0;
};
