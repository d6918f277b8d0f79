#include <gtest/gtest.h>

#include "scheduler/MissedRuns.h"

namespace {

using missed::LastMissedMinute;

// Weekly on Wednesdays and Fridays at 03:00 AM, from 11/01/1998.
const due::TaskRow kWeekly{"", "Backup", "11/01/1998 at 03:00 AM", "C:\\backup.exe", "Wed,Fri"};

TEST(MissedRunsTest, TheLatestDueMinuteBetweenTheLastScanAndTheGapsEnd) {
    const DateTime friday3am{1998, 12, 4, 3, 0, 0, 0};
    const struct {
        const char* what;
        due::TaskRow row;
        bool runOnce;
        DateTime lastScan, through;
        std::optional<DateTime> expected;
    } cases[] = {
        {"one night", kWeekly, false, {1998, 12, 4, 2, 0}, {1998, 12, 4, 8, 59}, friday3am},
        {"ten days: the latest of four", kWeekly, false, {1998, 11, 24, 9, 0}, {1998, 12, 4, 9, 0}, friday3am},
        {"due minute is the gap's end", kWeekly, false, {1998, 12, 4, 2, 0}, friday3am, friday3am},
        {"gap ends a minute before", kWeekly, false, {1998, 12, 4, 2, 0}, {1998, 12, 4, 2, 59}, std::nullopt},
        {"due minute was scanned", kWeekly, false, {1998, 12, 4, 3, 0, 40}, {1998, 12, 4, 8, 0}, std::nullopt},
        {"starts later", {"", "B", "12/05/1998 at 03:00 AM", "C:\\b.exe", "Fri"}, false, {1998, 12, 4, 2, 0},
         {1998, 12, 4, 9, 0}, std::nullopt},
        {"run-once on any day from its start", {"", "Once", "11/29/1998 at 04:00 AM", "C:\\o.exe", ""}, true,
         {1998, 12, 1, 9, 0}, {1998, 12, 4, 3, 59}, DateTime{1998, 12, 3, 4, 0}},
        {"over the turn of the year", {"", "Y", "12/31/1998 at 11:30 PM", "C:\\y.exe", "Thu"}, false,
         {1998, 12, 31, 22, 0}, {1999, 1, 1, 1, 0}, DateTime{1998, 12, 31, 23, 30}},
        {"unreadable time", {"", "U", "12/01/1998 at 3 o'clock", "C:\\u.exe", "Fri"}, true, {1998, 12, 1, 0, 0},
         {1998, 12, 4, 9, 0}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, LastMissedMinute(c.row, c.runOnce, c.lastScan, c.through)) << c.what;
}

TEST(MissedRunsTest, MinutesAndDaysBackAcrossMonthsLeapDaysAndYears) {
    EXPECT_EQ((DateTime{2000, 2, 29, 23, 59}), missed::MinuteBefore({2000, 3, 1, 0, 0, 30, 5}));
    EXPECT_EQ((DateTime{1998, 12, 31, 23, 59}), missed::MinuteBefore({1999, 1, 1, 0, 0}));
    EXPECT_EQ((DateTime{1999, 2, 28, 10, 15}), missed::OldestToRun({1999, 3, 7, 10, 15, 30}));
}

}  // namespace
