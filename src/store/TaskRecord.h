#pragma once
// One task's record in the store: the values of the subkey named after the task, in
// the kinds and text forms the program keeps them (texts as REG_SZ, flags as REG_DWORD
// with True = -1).
#include <string>

#include "store/Stores.h"

namespace store {

struct TaskRecord {
    std::string name{};       // the subkey's name
    std::string location{};   // a command line, or "MSG:" and the message text
    std::string startDate{};  // 12/04/1998
    std::string startTime{};  // 07:05 PM
    std::string days{};       // Fri,Wed,Mon; empty for a run-once task
    bool runOnce = false;
    bool paused = false;
    std::string lastRan{};    // On 12/4/98 at 7:05:23 PM; empty when it never ran
    std::string lastResult{};  // Exit code 0, Running, Could not start (...); empty when never launched
};

// The named task's record in the given store; a missing record or value reads as empty
// text or false. A machine task's "Last Ran" is this user's own, when they have one.
TaskRecord ReadTask(Store store, const std::string& name);

// Creates the task's key and writes what the editor saves, in this order: "Location",
// "Days of the Week", "Start Date", "Start Time", "Run Once". "Paused" and "Last Ran"
// are left as they are. False when the key or any value could not be written, with
// the first failure's registry code in *status when asked for; an empty name (it
// would address the tasks key itself) writes nothing.
bool WriteTask(Store store, const TaskRecord& task, long* status = nullptr);
// The two values that change after the save: the pause mark and the launch stamp.
// They are written only into a record that exists. A user who may not change a
// machine task keeps its launch stamp in the user store, for themselves.
bool WriteTaskPaused(Store store, const std::string& name, bool paused);
bool WriteTaskLastRan(Store store, const std::string& name, const std::string& stamp);
// Goes wherever "Last Ran" goes.
bool WriteTaskLastResult(Store store, const std::string& name, const std::string& result);
// Removes the task's key with all its values; false when nothing was removed.
bool DeleteTaskRecord(Store store, const std::string& name);

}  // namespace store
