#include "editor/DayList.h"

#include "platform/DateTimeText.h"

using datetext::WeekdayAbbrev;

std::string DayList(const WeekdayChoice& days) {
    std::string list;
    for (size_t day = 0; day < days.size(); ++day)
        if (days[day]) list = WeekdayAbbrev(static_cast<int>(day)) + (list.empty() ? "" : "," + list);
    return list;
}

WeekdayChoice DaysInList(const std::string& list) {
    WeekdayChoice days{};
    for (size_t day = 0; day < days.size(); ++day)
        days[day] = list.find(WeekdayAbbrev(static_cast<int>(day))) != std::string::npos;
    return days;
}
