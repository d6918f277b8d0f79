#pragma once
// Task records as other writers and half-finished writes leave them: values of any
// kind, size (up to 64 KB) and bytes, and names at the registry's limits. Among them
// are well-formed tasks whose due minute on the fuzz day is known by construction, so
// a run can tell a due launch from one that was not due.
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"

struct FuzzValue {
    DWORD kind;
    std::string bytes;
};

enum class FuzzIntent { Junk, Program, Message, NotLaunchable };

struct FuzzRecord {
    std::string name;  // unique, also without regard to case
    std::map<std::string, FuzzValue> values;  // value name -> what is stored; missing ones absent
    FuzzIntent intent = FuzzIntent::Junk;
    // Well-formed records: the minute of the fuzz day (0..1439) at which the task is due
    // (a not-launchable one shows its box then); nothing when it is not due that day.
    std::optional<int> dueMinute;
    bool runOnce = false;
    bool paused = false;
};

struct FuzzStore {
    DateTime day;  // midnight of the simulated day
    std::string messageApp;
    std::vector<FuzzRecord> records;
};

FuzzStore MakeFuzzStore(uint32_t seed, int recordCount);
// Writes the records under the tasks key of HKEY_LOCAL_MACHINE, past the layer under test.
void WriteFuzzStore(const FuzzStore& store);

// Every value of every task key, as raw kinds and bytes: what "nothing changed" compares.
using StoreSnapshot = std::map<std::string, std::map<std::string, FuzzValue>>;
StoreSnapshot TakeSnapshot();
bool operator==(const FuzzValue& a, const FuzzValue& b);

// What the grid shows of a stored value: a text up to its first NUL, a number in
// decimal; any other kind, nothing.
std::string ShownText(const FuzzRecord& record, const char* valueName);
