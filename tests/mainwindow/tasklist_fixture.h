#pragma once
// Task records written straight into the scratch store, and a task list over them.
#include <gtest/gtest.h>

#include <string>

#include "mainwindow/MainControls.h"
#include "mainwindow/TaskList.h"
#include "platform/UniqueHandle.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

struct TaskRecord {
    std::string name;
    std::string location;
    std::string startDate = "12/04/1998";
    std::string startTime = "07:05 PM";
    std::string days{};  // empty for a run-once task
    bool runOnce = false;
    bool paused = false;
};

inline void WriteTask(const TaskRecord& task) {
    const std::string key = store::TaskKey(task.name);
    CreateKey(HKEY_LOCAL_MACHINE, key);
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kLocation, RegValue::Text(task.location), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kDaysOfTheWeek, RegValue::Text(task.days), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kStartDate, RegValue::Text(task.startDate), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kStartTime, RegValue::Text(task.startTime), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kRunOnce, RegValue::Boolean(task.runOnce), REG_DWORD);
    if (task.paused)
        WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kPaused, RegValue::Boolean(true), REG_DWORD);
}

inline RegValue ReadTaskValue(const std::string& name, const char* value) {
    return ReadKeyValue(HKEY_LOCAL_MACHINE, store::TaskKey(name), value);
}

inline bool TaskExists(const std::string& name) {
    UniqueHKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::TaskKey(name).c_str(), 0, KEY_READ, key.put()) ==
           ERROR_SUCCESS;
}

// A store as start-up leaves it, a clock and the main window's controls.
class TaskListTest : public ::testing::Test {
protected:
    TaskListTest() { CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey); }

    // The row of the task with this name; 0 when the grid has none.
    int RowOf(const std::string& name) const {
        for (int row = 1; row < controls.grdProgram.Rows(); ++row)
            if (controls.grdProgram.TextMatrix(row, 1) == name) return row;
        return 0;
    }

    ScratchRegistry registry;
    FakeClock clock;
    MainControls controls;
    TaskList tasks{controls, clock};
};
