#pragma once
// The editor's OK: checks what the user entered, asks what completes the task (a disk
// utility's switch, the message editor, the message's name) and writes the record.
#include <windows.h>

#include <string>

#include "editor/DayList.h"
#include "editor/FileChooser.h"
#include "platform/DateTime.h"
#include "platform/FileTest.h"
#include "platform/IsFile.h"
#include "platform/Prompts.h"
#include "store/Stores.h"

// What the dialog holds when OK is pressed.
struct TaskEntries {
    bool program = true;    // a program task, else a message task
    bool runOnce = false;   // else weekly
    WeekdayChoice days{};   // Sunday .. Saturday; read only for a weekly task
    std::string programName, location, message;
    DateTime date, time;    // the pickers' values
};

struct SaveSetting {
    Prompts& prompts;
    HWND owner;
    std::string title;        // of every box
    std::string driveList;    // "C: D:", appended after a utility's switch
    std::string messageName;  // proposed as a message's name
    FileChooser& cmd;         // the dialog's file chooser, for the editor choice
    FileTest fileExists = IsFile;
    store::Store store = store::Store::Machine;  // where the record is written
    std::string editedName{};  // the task Edit opened, by its exact key name; empty for New
    DateTime now{};            // a run-once time before this minute can never come
};

struct SaveOutcome {
    bool saved = false;
    std::string location;  // the location box afterwards: a utility's switch stays even when the save stops
};

SaveOutcome SaveTask(const TaskEntries& entries, const SaveSetting& setting);
