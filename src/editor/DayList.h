#pragma once
// The weekday list of a task record: the abbreviations of the chosen days joined by
// ",", Saturday first (Fri,Wed,Mon). No <windows.h>.
#include <array>
#include <string>

// Sunday .. Saturday.
using WeekdayChoice = std::array<bool, 7>;

std::string DayList(const WeekdayChoice& days);
// The days a stored list names, each found by its abbreviation anywhere in the text.
WeekdayChoice DaysInList(const std::string& list);
