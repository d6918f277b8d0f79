#pragma once
// The scheduler of the main window: the minute tick that launches due tasks, the
// launch operations, the clock and refresh tick, and the pause and halt commands.
// The main window routes its timers and menu commands to these handlers.
#include <string>
#include <vector>

#include "platform/AppContext.h"
#include "platform/ErrorText.h"
#include "scheduler/DueRules.h"
#include "scheduler/LaunchBoxes.h"
#include "scheduler/LaunchRecorder.h"
#include "scheduler/LaunchResult.h"
#include "scheduler/LaunchedMinutes.h"
#include "scheduler/MissedRuns.h"
#include "scheduler/SchedulerView.h"
#include "scheduler/TickTiming.h"

class Scheduler {
public:
    Scheduler(SchedulerView view, AppContext& context);

    void Timer1_Timer();  // clock text, and a grid rebuild while "Update" is raised
    void Timer2_Timer();  // launches the tasks due this minute
    void mnuRun_Click();  // starts the selected task now, as a program
    void mnuPause_Click();
    void mnuUnPause_Click();
    void mnuPVantro_Click();  // halts or resumes the scheduler tick
    // The task list has been rebuilt: times the next tick, and starts the tick again
    // when tasks have come after it stopped on an empty list (a halt stays a halt).
    void TaskListRebuilt();
    // Start-up, resume and a clock set forward: the minutes since "Last Scan" that no
    // tick will scan. With "Run Missed" on, each task due in them runs once, in the order
    // of its minute; with it off, the status line tells how many were missed.
    void CatchUp();
    // Resume from sleep or a change of the clock: catches up, then times the next tick
    // from the clock as it is now rather than from a timer armed before.
    void ClockMoved();

    // Starts the command line (the shell opens it when it cannot be started), stamps
    // "Last Ran" and the status line; a run-once task is deleted afterwards. When
    // neither could start it, a box tells why and the task counts as not run.
    // Either way the launch's result is recorded; cause is how the launch came about.
    void RunProgramTask(store::Store store, const std::string& name, const std::string& commandLine, bool runOnce,
                        LaunchCause cause = LaunchCause::Minute);
    // Puts the text after "MSG:" into message.txt in the user's data folder and opens it
    // with messageApp; reports a failure in a box. A run-once task is deleted
    // afterwards, error or not.
    // Every box of a launch is shown once the tick or command has returned.
    void RunMessageTask(store::Store store, const std::string& name, const std::string& location,
                        const std::string& messageApp, bool runOnce, LaunchCause cause = LaunchCause::Minute);
    // The program ends: programs still running go into the history as running.
    void RecordUnfinished() { records_.RecordUnfinished(); }
    const LaunchRecorder& Records() const { return records_; }

private:
    void KeepStatusLine();
    void ScanTaskRows(const DateTime& now);
    void LaunchIfDue(const due::TaskRow& task, const DateTime& now);
    due::TaskRow ReadTaskRow(int row) const;
    static std::string LaunchKey(const due::TaskRow& task);
    // Every launch of the tick and of the catch-up starts here.
    void LaunchTask(const due::TaskRow& task, bool runOnce, LaunchCause cause = LaunchCause::Minute);

    struct MissedRuns {
        std::vector<missed::MissedRun> late;  // in the order of their minutes
        int tooOld = 0;       // tasks with runs missed more than a week ago too
        int missedTasks = 0;  // tasks with any run missed
    };
    MissedRuns FindMissedRuns(const DateTime& lastScan, const DateTime& through, const DateTime& oldest) const;

    void StartTick();
    void ArmTick();

    // The process started, or the start's error when neither the start nor the shell
    // could open the line.
    struct Start {
        ErrorInfo error;
        UniqueKernelHandle process;
    };
    Start StartWithFallback(const std::string& commandLine, int showCommand);
    // Starts a program task's command line and records the launch; false when it
    // could not start (the box is on its way).
    bool LaunchProgram(store::Store store, const std::string& name, const std::string& commandLine, LaunchCause cause);
    void ReportNotStarted(const ErrorInfo& error);
    // Every launch stamp goes through here, into the store the task came from.
    void StampLaunch(store::Store store, const std::string& name, const DateTime& now);
    void SetStatus(const char* what, const std::string& name, const DateTime& now);

    void SetPaused(bool paused);
    void ShowPauseItems(bool paused);

    SchedulerView view_;
    AppContext& ctx_;
    LaunchBoxes boxes_;
    TickTiming timing_;
    LaunchedMinutes launched_;
    LaunchRecorder records_;
};
