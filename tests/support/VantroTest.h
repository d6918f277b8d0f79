#pragma once
// The in-process fixture: a scratch store, a temporary program folder and the seam
// doubles. SchedulerTest adds the main window's controls (without the window), the
// task list and the scheduler over them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/MainControls.h"
#include "mainwindow/TaskList.h"
#include "platform/AppContext.h"
#include "scheduler/Scheduler.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"
#include "support/TestWorld.h"
#include "support/Waits.h"

// Stores a task as the editor's save does, and its pause mark (in the machine store
// unless told). A start left empty is the tests' usual minute: Friday 12/04/1998 at 07:05 PM.
inline void AddTask(store::TaskRecord task, store::Store where = store::Store::Machine) {
    if (task.startDate.empty()) task.startDate = "12/04/1998";
    if (task.startTime.empty()) task.startTime = "07:05 PM";
    ASSERT_TRUE(store::WriteTask(where, task)) << task.name;
    if (task.paused) {
        ASSERT_TRUE(store::WriteTaskPaused(where, task.name, true)) << task.name;
    }
}

inline RegValue ReadTaskValue(const std::string& name, const char* value) {
    return ReadKeyValue(HKEY_LOCAL_MACHINE, store::TaskKey(name), value);
}
inline bool TaskExists(const std::string& name) { return KeyExists(store::TaskKey(name)); }

class VantroTest : public ::testing::Test, public TestWorld<> {};

class SchedulerTest : public VantroTest {
protected:
    SchedulerTest() {
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);  // as start-up leaves the store
        controls.MinimizeWindow = [this] { ++minimized; };
    }

    // The row of the task with this name; 0 when the grid has none.
    int RowOf(const std::string& name) const {
        for (int row = 1; row < controls.grdProgram.Rows(); ++row)
            if (controls.grdProgram.TextMatrix(row, 1) == name) return row;
        return 0;
    }
    // What the menu offers of Pause and UnPause.
    std::string PauseOffered() const {
        return std::string(controls.mnuPause.Visible() ? "Pause" : "") + (controls.mnuUnPause.Visible() ? "UnPause" : "");
    }
    void SetMessageApp(const std::string& command) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp, RegValue::Text(command), REG_SZ);
    }
    // The command lines started or handed to the shell, in order.
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& launch : launcher.launches) lines.push_back(launch.commandLine);
        return lines;
    }

    // The program's message loop between ticks, for a moment: the boxes that launches
    // raised are shown from it.
    static void RunMessageLoop(DWORD ms = 50) { Pump(ms); }

    MainControls controls;
    Scheduler scheduler{SchedulerViewOf(controls, tasks), context};
    TaskList tasks{TaskListViewOf(controls), scheduler};
    int minimized = 0;
};
