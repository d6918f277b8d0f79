#include "scheduler/MissedRuns.h"

#include "platform/DateTimeText.h"

namespace missed {
namespace {

constexpr int kDaysToRunLate = 7;

Date PreviousDay(Date d) {
    if (--d.day > 0) return d;
    if (--d.month == 0) {
        d.month = 12;
        --d.year;
    }
    for (d.day = 31; !datetext::IsValidDate(d); --d.day) {
    }
    return d;
}

std::string Tasks(int count) { return std::to_string(count) + (count == 1 ? " task" : " tasks"); }

}  // namespace

std::optional<DateTime> LastMissedMinute(const due::TaskRow& row, bool runOnce, const DateTime& lastScan,
                                         const DateTime& through) {
    std::optional<DateTime> time = due::StartTimeOfDay(row);
    if (!time) return std::nullopt;
    // Searched back from the newest day: a weekly task's latest due minute lies in the
    // last eight days, a run-once task's in the last two.
    Date day = through.date();
    for (int n = 0; n <= kDaysToRunLate; ++n, day = PreviousDay(day)) {
        DateTime minute{day.year, day.month, day.day, time->hour, time->minute, 0, 0};
        if (minute <= StartOfMinute(lastScan)) return std::nullopt;
        if (minute > through) continue;
        if (due::IsDueNow(row, minute) && (runOnce || due::RunsToday(row.days, day))) return minute;
    }
    return std::nullopt;
}

DateTime MinuteBefore(const DateTime& t) {
    DateTime before = StartOfMinute(t);
    if (--before.minute >= 0) return before;
    before.minute = 59;
    if (--before.hour >= 0) return before;
    before.hour = 23;
    Date day = PreviousDay(t.date());
    return {day.year, day.month, day.day, before.hour, before.minute, 0, 0};
}

DateTime OldestToRun(const DateTime& now) {
    Date day = now.date();
    for (int n = 0; n < kDaysToRunLate; ++n) day = PreviousDay(day);
    return {day.year, day.month, day.day, now.hour, now.minute, 0, 0};
}

std::string RanLateStatus(const std::vector<MissedRun>& ran, int tooOld) {
    std::string text;
    for (const MissedRun& run : ran) {
        text += text.empty() ? "Ran late: " : ", ";
        text += run.task.name + " (due " + datetext::DateMMDDYYYY(run.minute.date()) + " at " +
                datetext::TimeHHMMAmPm(run.minute) + ")";
    }
    if (tooOld > 0) {
        text += text.empty() ? "Missed: " : "; ";
        text += Tasks(tooOld) + " also missed runs more than " + std::to_string(kDaysToRunLate) +
                " days ago, not made up";
    }
    return text;
}

std::string MissedStatus(int missedCount) {
    return "Missed: " + Tasks(missedCount) + " not run at the time set (Options > Run Missed Tasks runs them late)";
}

}  // namespace missed
