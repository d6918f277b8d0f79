#pragma once
// Launching: a program task's command line, a message task's text in the user's
// editor, the stamp and status line each leaves, and the record of its result.
#include <string>

#include "platform/AppContext.h"
#include "platform/ErrorText.h"
#include "scheduler/DueRules.h"
#include "scheduler/LaunchBoxes.h"
#include "scheduler/LaunchRecorder.h"
#include "scheduler/LaunchResult.h"
#include "scheduler/SchedulerView.h"

class TaskLaunch {
public:
    TaskLaunch(const SchedulerView& view, AppContext& context);

    // Starts the command line (the shell opens it when it cannot be started), stamps
    // "Last Ran" and the status line; a run-once task is deleted afterwards. When
    // neither could start it, a box tells why and the task counts as not run.
    // Either way the launch's result is recorded; cause is how the launch came about.
    void RunProgramTask(store::Store store, const std::string& name, const std::string& commandLine, bool runOnce,
                        LaunchCause cause);
    // Puts the text after "MSG:" into message.txt in the user's data folder and opens it
    // with messageApp; reports a failure in a box. A run-once task is deleted
    // afterwards, error or not.
    // Every box of a launch is shown once the tick or command has returned.
    void RunMessageTask(store::Store store, const std::string& name, const std::string& location,
                        const std::string& messageApp, bool runOnce, LaunchCause cause);
    // Every launch of the tick and of the catch-up starts here.
    void Launch(const due::TaskRow& task, bool runOnce, LaunchCause cause);
    // The task's location is neither a program nor a message: a box says so.
    void ReportNotLaunchable(const due::TaskRow& task);
    // Starts the grid's current task now, as a program, and minimises the window.
    void RunSelected();

    void RecordUnfinished() { records_.RecordUnfinished(); }
    const LaunchRecorder& Records() const { return records_; }

private:
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
    // Every launch stamp goes through here, into the store the task came from.
    void StampLaunch(store::Store store, const std::string& name, const DateTime& now);
    void SetStatus(const char* what, const std::string& name, const DateTime& now);

    const SchedulerView& view_;
    AppContext& context_;
    LaunchBoxes boxes_;
    LaunchRecorder records_;
};
