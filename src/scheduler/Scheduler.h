#pragma once
// The scheduler of the main window, composed of the minute tick, launching, the
// catch-up of missed minutes, pause and halt, and the clock tick. The main window
// routes its timers and menu commands to these handlers.
#include <string>

#include "platform/AppContext.h"
#include "scheduler/ClockTick.h"
#include "scheduler/MissedRunCatchUp.h"
#include "scheduler/PauseHalt.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SchedulerView.h"
#include "scheduler/TaskLaunch.h"

class Scheduler {
public:
    Scheduler(SchedulerView view, AppContext& context);
    // The parts keep references to the view.
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    void Timer1_Timer() { clock_.Timer1_Timer(); }  // clock text, and a grid rebuild while "Update" is raised
    void Timer2_Timer() { tick_.Timer2_Timer(); }   // launches the tasks due this minute
    void mnuRun_Click() { launch_.RunSelected(); }  // starts the selected task now, as a program
    void mnuPause_Click() { pauseHalt_.mnuPause_Click(); }
    void mnuUnPause_Click() { pauseHalt_.mnuUnPause_Click(); }
    void mnuPVantro_Click() { pauseHalt_.mnuPVantro_Click(); }
    void TaskListRebuilt() { tick_.TaskListRebuilt(); }
    // Start-up, resume and a clock set forward: the minutes since "Last Scan" that no
    // tick will scan.
    void CatchUp() { catchUp_.CatchUp(); }
    void ClockMoved() { catchUp_.ClockMoved(); }

    void RunProgramTask(store::Store store, const std::string& name, const std::string& commandLine, bool runOnce,
                        LaunchCause cause = LaunchCause::Minute) {
        launch_.RunProgramTask(store, name, commandLine, runOnce, cause);
    }
    void RunMessageTask(store::Store store, const std::string& name, const std::string& location,
                        const std::string& messageApp, bool runOnce, LaunchCause cause = LaunchCause::Minute) {
        launch_.RunMessageTask(store, name, location, messageApp, runOnce, cause);
    }
    // The program ends: programs still running go into the history as running.
    void RecordUnfinished() { launch_.RecordUnfinished(); }
    const LaunchRecorder& Records() const { return launch_.Records(); }

private:
    SchedulerView view_;
    TaskLaunch launch_;
    SchedulerTick tick_;
    MissedRunCatchUp catchUp_;
    PauseHalt pauseHalt_;
    ClockTick clock_;
};
