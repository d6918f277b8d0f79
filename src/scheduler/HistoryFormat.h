#pragma once
// One line of the launch history: tab-separated fields under a heading line. No
// <windows.h>.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

struct HistoryEntry {
    std::string time;  // 1998-12-04 19:05:23: sorts as it reads
    std::string task, store, command, cause, result, runningTime;
};

inline constexpr int kHistoryFields = 7;
extern const char* const kHistoryHeadings[kHistoryFields];
// Field number 0 to kHistoryFields - 1, in the order of the headings.
const std::string& HistoryField(const HistoryEntry& entry, int index);

std::string HistoryTime(const DateTime& t);
// The heading line, without its line end.
std::string HistoryHeadingLine();
// Tabs and line ends inside a field (a task name may hold any character) become blanks.
std::string HistoryLine(const HistoryEntry& entry);
// Nothing for the heading, a line of another shape, or one cut short.
std::optional<HistoryEntry> ParseHistoryLine(std::string_view line);
// Every whole, well-formed line of a file's text, oldest first; the rest is skipped.
std::vector<HistoryEntry> ParseHistory(std::string_view text);
