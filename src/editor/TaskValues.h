#pragma once
// The values of one task record that the editor reads and writes. The one place where
// the editor touches the store's task records.
#include <string>

#include "platform/ErrorText.h"

struct EditedTask {
    std::string name;       // the record's key name
    std::string location;   // a command line, or "MSG:" and the message text
    std::string startDate;  // 12/04/1998
    std::string startTime;  // 07:05 PM
    std::string days;       // Fri,Wed,Mon; empty for a run-once task
    bool runOnce = false;
};

// A missing record or value reads as empty text or false.
EditedTask ReadEditedTask(const std::string& name);
// Creates the record's key and writes "Location", "Days of the Week", "Start Date",
// "Start Time" and "Run Once", in that order; other values are left as they are. The
// first failure stops the writing and is returned.
ErrorInfo WriteEditedTask(const EditedTask& task);
