#include <gtest/gtest.h>

#include "scheduler/DueRules.h"

namespace {

using due::TaskKind;

TEST(DueTest, StartOnOrBeforeTodayAtThisMinuteOnly) {
    const DateTime friday{1998, 12, 4, 19, 5, 0, 0};
    const struct { const char* start; bool due; DateTime now; } cases[] = {
        {"12/04/1998 at 07:05 PM", true, friday},   {"01/01/1990 at 07:05 PM", true, friday},
        {"12/05/1998 at 07:05 PM", false, friday},  {"12/04/1998 at 07:05 AM", false, friday},
        {"12/04/1998 at 07:06 PM", false, friday},
        {"12/04/1998 at 12:00 AM", true, {1998, 12, 4, 0, 0, 59, 0}},
        {"12/04/1998 at 12:30 PM", true, {1998, 12, 4, 12, 30, 0, 0}},
        // Two-digit years read the time from their own place; 29 is 2029, 30 is 1930.
        {"12/04/98 at 07:05 PM", true, friday},     {"12/05/98 at 07:05 PM", false, friday},
        {"01/01/29 at 07:05 PM", false, friday},    {"01/01/30 at 07:05 PM", true, friday},
        // Only the eight characters of the time are compared.
        {"12-04-1998 at 07:05 PM and more", true, friday},
        {"", false, friday},                        {"12/04/1998", false, friday},
        {"12/04/1998 at 07:05", false, friday},     {"02/30/1998 at 07:05 PM", false, friday},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.due, due::IsDueNow({"", "T", c.start, "C:\\t.exe", ""}, c.now)) << '"' << c.start << '"';
}

TEST(DueTest, KindFollowsTheLocationAndWeekdayTheDayList) {
    EXPECT_EQ(due::KindOf("MSG:Call home"), TaskKind::Message);
    EXPECT_EQ(due::KindOf("C:\\bin\\x.exe /q"), TaskKind::Program);
    EXPECT_EQ(due::KindOf("\"C:\\Program Files\\x.exe\" /q"), TaskKind::Program);
    for (const char* location : {"msg:lower", "notes.txt", "\"notes.txt\"", "\\\\server\\share\\x.exe", "", "\""})
        EXPECT_EQ(due::KindOf(location), TaskKind::NotLaunchable) << location;

    EXPECT_TRUE(due::RunsToday("Sat,Fri,Mon", {1998, 12, 4}));
    for (const char* days : {"Sat,Thu", "fri", ""}) EXPECT_FALSE(due::RunsToday(days, {1998, 12, 4})) << days;
}

}  // namespace
