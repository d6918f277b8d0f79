#include <gtest/gtest.h>

#include "scheduler/DueTest.h"
#include "scheduler/LaunchedMinutes.h"

namespace {

using due::TaskKind;

constexpr DateTime kFridayEvening{1998, 12, 4, 19, 5, 0, 0};

due::TaskRow Row(std::string start) {
    return {"", "T", std::move(start), "C:\\t.exe", ""};
}

TEST(DueTest, StartOnOrBeforeTodayAtThisMinute) {
    EXPECT_TRUE(due::IsDueNow(Row("12/04/1998 at 07:05 PM"), kFridayEvening));
    EXPECT_TRUE(due::IsDueNow(Row("01/01/1990 at 07:05 PM"), kFridayEvening));
    EXPECT_FALSE(due::IsDueNow(Row("12/05/1998 at 07:05 PM"), kFridayEvening));
    EXPECT_FALSE(due::IsDueNow(Row("12/04/1998 at 07:05 AM"), kFridayEvening));
    EXPECT_FALSE(due::IsDueNow(Row("12/04/1998 at 07:06 PM"), kFridayEvening));
    EXPECT_FALSE(due::IsDueNow(Row("12/04/1998 at 07:05 pm"), kFridayEvening)) << "case counts";
    EXPECT_TRUE(due::IsDueNow(Row("12/04/1998 at 12:00 AM"), {1998, 12, 4, 0, 0, 59, 0}));
    EXPECT_TRUE(due::IsDueNow(Row("12/04/1998 at 12:30 PM"), {1998, 12, 4, 12, 30, 0, 0}));
}

TEST(DueTest, TwoDigitYearsReadTheTimeFromTheirOwnPlace) {
    EXPECT_TRUE(due::IsDueNow(Row("12/04/98 at 07:05 PM"), kFridayEvening));
    EXPECT_FALSE(due::IsDueNow(Row("12/05/98 at 07:05 PM"), kFridayEvening));
    // 29 reads as 2029, 30 as 1930.
    EXPECT_FALSE(due::IsDueNow(Row("01/01/29 at 07:05 PM"), kFridayEvening));
    EXPECT_TRUE(due::IsDueNow(Row("01/01/30 at 07:05 PM"), kFridayEvening));
}

TEST(DueTest, UnreadableOrShortStartsAreNeverDue) {
    for (const char* start : {"", "at", "12/04/1998", "12/04/1998 at 07:05", "02/30/1998 at 07:05 PM",
                              "tomorrow at 07:05 PM", "12/04/1998 at 7:05 PM"})
        EXPECT_FALSE(due::IsDueNow(Row(start), kFridayEvening)) << start;
    // Only the eight characters of the time are compared.
    EXPECT_TRUE(due::IsDueNow(Row("12-04-1998 at 07:05 PM and more"), kFridayEvening));
}

TEST(DueTest, KindFollowsTheLocation) {
    EXPECT_EQ(due::KindOf("MSG:Call home"), TaskKind::Message);
    EXPECT_EQ(due::KindOf("MSG:"), TaskKind::Message);
    EXPECT_EQ(due::KindOf("C:\\bin\\x.exe /q"), TaskKind::Program);
    EXPECT_EQ(due::KindOf("\"C:\\Program Files\\x.exe\" /q"), TaskKind::Program);
    EXPECT_EQ(due::KindOf("msg:lower"), TaskKind::NotLaunchable);
    EXPECT_EQ(due::KindOf("notes.txt"), TaskKind::NotLaunchable);
    EXPECT_EQ(due::KindOf("\"notes.txt\""), TaskKind::NotLaunchable);
    EXPECT_EQ(due::KindOf("\\\\server\\share\\x.exe"), TaskKind::NotLaunchable);
    EXPECT_EQ(due::KindOf(""), TaskKind::NotLaunchable);
    EXPECT_EQ(due::KindOf("\""), TaskKind::NotLaunchable);
}

TEST(DueTest, WeekdayMustOccurInTheDayList) {
    const Date friday{1998, 12, 4};
    EXPECT_TRUE(due::RunsToday("Fri", friday));
    EXPECT_TRUE(due::RunsToday("Sat,Fri,Mon", friday));
    EXPECT_FALSE(due::RunsToday("Sat,Thu", friday));
    EXPECT_FALSE(due::RunsToday("fri", friday));
    EXPECT_FALSE(due::RunsToday("", friday));
    EXPECT_TRUE(due::RunsToday("Sun", {1998, 12, 6}));
}

TEST(LaunchedMinutesTest, RemembersTheMinutePerTask) {
    LaunchedMinutes launched;
    launched.Remember("A", {1998, 10, 25, 2, 30, 0, 0});
    EXPECT_TRUE(launched.Contains("A", {1998, 10, 25, 2, 30, 59, 999}));
    EXPECT_FALSE(launched.Contains("B", {1998, 10, 25, 2, 30, 0, 0}));
    EXPECT_FALSE(launched.Contains("A", {1998, 10, 25, 2, 31, 0, 0}));
    EXPECT_FALSE(launched.Contains("A", {1998, 10, 26, 2, 30, 0, 0}));
    launched.Remember("A", {1998, 10, 26, 2, 30, 0, 0});
    EXPECT_FALSE(launched.Contains("A", {1998, 10, 25, 2, 30, 0, 0})) << "only the latest is kept";
}

}  // namespace
