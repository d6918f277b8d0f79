#pragma once
// A scheduler over the scratch store, with a temporary program folder and the doubles.
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "mainwindow/tasklist_fixture.h"
#include "platform/DateTimeText.h"
#include "scheduler/Scheduler.h"

class SchedulerTest : public TaskListTest {
protected:
    SchedulerTest() {
        app.SetPath(folder.Path());
        controls.MinimizeWindow = [this] { ++minimized; };
    }

    void SetMessageApp(const std::string& command) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp, RegValue::Text(command), REG_SZ);
    }

    // The command lines started (or handed to the shell), in order.
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& launch : launcher.launches) lines.push_back(launch.commandLine);
        return lines;
    }

    TempFolder folder;
    Application app;
    ScriptedPrompts prompts;
    RecordingLauncher launcher;
    RecordingProgramEnd programEnd;
    ScriptedComponents components;
    AppContext context{app, clock, prompts, launcher, programEnd, components};
    Scheduler scheduler{controls, tasks, context};
    int minimized = 0;
};
