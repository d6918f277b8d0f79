#include "scheduler/DueRules.h"

#include <optional>
#include <string_view>

#include "platform/DateTimeText.h"
#include "store/StoreLayout.h"

namespace due {
namespace {

constexpr size_t kLongDate = 10;    // 12/04/1998
constexpr size_t kShortDate = 8;    // 12/04/98
constexpr size_t kAtLength = 4;     // " at "
constexpr size_t kTimeLength = 8;   // 07:05 PM

// A start text's date is long or short; its time follows it and " at ".
bool HasLongDate(std::string_view start) { return datetext::ParseDate(start.substr(0, kLongDate)).has_value(); }
size_t TimeOffset(bool longForm) { return (longForm ? kLongDate : kShortDate) + kAtLength; }

}  // namespace

bool IsDueNow(const TaskRow& row, const DateTime& now) {
    if (!row.pausedMark.empty() && row.pausedMark.front() == 'P') return false;

    std::string_view start = row.start;
    bool longForm = HasLongDate(start);
    size_t dateLength = longForm ? kLongDate : kShortDate;
    std::optional<Date> startDate = datetext::ParseDate(start.substr(0, dateLength));
    // Today is read back in the stored date's own form, so a two-digit year goes
    // through the same century window on both sides.
    Date today = now.date();
    std::optional<Date> todayRead =
        datetext::ParseDate(longForm ? datetext::DateMMDDYYYY(today) : datetext::DateMMDDYY(today));
    if (!startDate || !todayRead || *startDate > *todayRead) return false;

    size_t timeAt = TimeOffset(longForm);
    return start.size() >= timeAt + kTimeLength &&
           start.substr(timeAt, kTimeLength) == datetext::TimeHHMMAmPm(now);
}

std::optional<DateTime> StartTimeOfDay(const TaskRow& row) {
    std::string_view start = row.start;
    size_t timeAt = TimeOffset(HasLongDate(start));
    if (start.size() < timeAt + kTimeLength) return std::nullopt;
    return datetext::ParseTime(start.substr(timeAt, kTimeLength));
}

TaskKind KindOf(const std::string& location) {
    if (location.starts_with(store::kMessagePrefix)) return TaskKind::Message;
    if (location.size() > 1 && location[1] == ':') return TaskKind::Program;
    if (location.size() > 2 && location[0] == '"' && location[2] == ':') return TaskKind::Program;
    return TaskKind::NotLaunchable;
}

bool RunsToday(const std::string& days, const Date& today) {
    return days.find(datetext::WeekdayAbbrev(today)) != std::string::npos;
}

}  // namespace due
