#include "editor/DayList.h"

namespace {
constexpr const char* kAbbrev[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
}

std::string DayList(const WeekdayChoice& days) {
    std::string list;
    for (size_t day = 0; day < days.size(); ++day)
        if (days[day]) list = kAbbrev[day] + (list.empty() ? "" : "," + list);
    return list;
}

WeekdayChoice DaysInList(const std::string& list) {
    WeekdayChoice days{};
    for (size_t day = 0; day < days.size(); ++day) days[day] = list.find(kAbbrev[day]) != std::string::npos;
    return days;
}
