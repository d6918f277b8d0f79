#pragma once
// Whether a task row of the grid falls due in a given minute, and what kind of task
// it is. Works on the row's texts alone: no store, no <windows.h>.
#include <optional>
#include <string>

#include "platform/DateTime.h"

namespace due {

// The cells of one task row, trimmed of blanks; the name as it is, the key's own.
struct TaskRow {
    std::string pausedMark;
    std::string name;
    std::string start;  // "12/04/1998 at 07:05 PM", or with a two-digit year
    std::string location;
    std::string days;   // "Fri,Wed,Mon"
};

enum class TaskKind { Message, Program, NotLaunchable };

// Not paused, started on or before today, and its time is this very minute. A row
// whose date cannot be read is never due.
bool IsDueNow(const TaskRow& row, const DateTime& now);

// The time of day of the row's start (hour and minute); nothing when unreadable.
std::optional<DateTime> StartTimeOfDay(const TaskRow& row);

// "MSG:..." is a message; a path with a drive letter, quoted or not, is a program.
TaskKind KindOf(const std::string& location);

// For weekly tasks: today's three-letter weekday name occurs in the day list.
bool RunsToday(const std::string& days, const Date& today);

}  // namespace due
