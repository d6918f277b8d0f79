#pragma once
// Where Vantro keeps its state: every key path and value name of the store.
#include <string>

namespace store {

inline constexpr const char* kProgramKey = "SOFTWARE\\Halvern\\Vantro";
inline constexpr const char* kTasksKey = "SOFTWARE\\Halvern\\Vantro\\Tasks";
// Task records are addressed through this prefix (key names ignore case).
inline constexpr const char* kTaskKeyPrefix = "SOFTWARE\\Halvern\\Vantro\\tasks\\";
// In the user store: what this user's launches of machine tasks left ("Last Ran"), one
// key per task, for a user who may not change the machine store.
inline constexpr const char* kMachineTaskRunsKey = "SOFTWARE\\Halvern\\Vantro\\Machine Task Runs";
inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kAppPathsSpeedDisk =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\SD32.EXE";
inline constexpr const char* kAppPathsDiskDoctor =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NDD32.EXE";
inline constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSharedToolsLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Settings in the program key.
inline constexpr const char* kRunning = "Running";
inline constexpr const char* kPath = "Path";
inline constexpr const char* kDrives = "Drives";
inline constexpr const char* kMessageApp = "MessageApp";
inline constexpr const char* kShowCloseWindows = "Show Close Windows";
inline constexpr const char* kAutoDial = "AutoDial";
inline constexpr const char* kNetworked = "Networked";
inline constexpr const char* kRemoteIP = "RemoteIP";
inline constexpr const char* kDUNNum = "DUNNum";
// Settings in the program key of the user's own store (HKEY_CURRENT_USER).
inline constexpr const char* kRunMissed = "Run Missed";
inline constexpr const char* kLastScan = "Last Scan";  // the minute the tick last scanned

// In the tasks key: raised by others to ask for a grid rebuild.
inline constexpr const char* kUpdate = "Update";

// Values of a task record.
inline constexpr const char* kLocation = "Location";
inline constexpr const char* kDaysOfTheWeek = "Days of the Week";
inline constexpr const char* kStartDate = "Start Date";
inline constexpr const char* kStartTime = "Start Time";
inline constexpr const char* kRunOnce = "Run Once";
inline constexpr const char* kPaused = "Paused";
inline constexpr const char* kLastRan = "Last Ran";
// What became of the latest launch; other programs ignore values they do not know.
inline constexpr const char* kLastResult = "Last Result";

// The program's own value in the Run key.
inline constexpr const char* kRunEntry = "Vantro";

// A location that starts with this is a message task.
inline constexpr const char* kMessagePrefix = "MSG:";

inline std::string TaskKey(const std::string& taskName) { return kTaskKeyPrefix + taskName; }
inline std::string MachineTaskRunKey(const std::string& taskName) {
    return std::string(kMachineTaskRunsKey) + "\\" + taskName;
}

}  // namespace store
