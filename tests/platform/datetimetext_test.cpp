#include <gtest/gtest.h>

#include "platform/DateTimeText.h"

using namespace datetext;

namespace {

TEST(DateTimeText, StoredAndShownForms) {
    const DateTime evening{1998, 12, 4, 19, 5, 23, 0};
    EXPECT_EQ("12/04/1998", DateMMDDYYYY(evening.date()));
    EXPECT_EQ("12/04/98", DateMMDDYY(evening.date()));
    EXPECT_EQ("07:05 PM", TimeHHMMAmPm(evening));
    EXPECT_EQ("Dec 04", MonthDay(evening.date()));
    EXPECT_EQ("Fri", WeekdayAbbrev(evening.date()));
    EXPECT_EQ("Dec 04 - 07:05 PM", ClockText(evening));
    EXPECT_EQ("On 12/4/98 at 7:05:23 PM", LaunchStamp(evening));
    EXPECT_EQ("On 1/5/07 at 11:59:59 PM", LaunchStamp({2007, 1, 5, 23, 59, 59}));
    EXPECT_EQ("01/05/07", DateMMDDYY({2007, 1, 5}));
}

TEST(DateTimeText, TwelveHourClockAroundMidnightAndNoon) {
    EXPECT_EQ("12:00 AM", TimeHHMMAmPm({2000, 1, 1, 0, 0, 0}));
    EXPECT_EQ("11:59 AM", TimeHHMMAmPm({2000, 1, 1, 11, 59, 0}));
    EXPECT_EQ("12:00 PM", TimeHHMMAmPm({2000, 1, 1, 12, 0, 0}));
    EXPECT_EQ("01:00 PM", TimeHHMMAmPm({2000, 1, 1, 13, 0, 0}));
    EXPECT_EQ("12:00:05 AM", LongTime({2000, 1, 1, 0, 0, 5}));
    EXPECT_EQ("12:30:00 PM", LongTime({2000, 1, 1, 12, 30, 0}));
}

TEST(DateTimeText, WeekdaysAndLeapYears) {
    EXPECT_EQ(0, Weekday({2024, 3, 3}));
    EXPECT_EQ(6, Weekday({2000, 1, 1}));
    EXPECT_EQ(2, Weekday({2000, 2, 29}));
    EXPECT_EQ("Mon", WeekdayAbbrev({2001, 1, 1}));
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
    EXPECT_FALSE(IsValidDate({1999, 4, 31}));
}

TEST(DateTimeText, ParseDateReadsMonthFirst) {
    EXPECT_EQ((Date{1998, 12, 4}), ParseDate("12/04/1998"));
    EXPECT_EQ((Date{1998, 12, 4}), ParseDate("12/4/98"));
    EXPECT_EQ((Date{2000, 2, 29}), ParseDate("2/29/2000"));
    EXPECT_EQ((Date{1998, 3, 1}), ParseDate(" 3-1-1998 "));
    EXPECT_EQ((Date{2029, 3, 1}), ParseDate("3.1.29"));
    EXPECT_EQ((Date{1930, 1, 1}), ParseDate("1/1/30"));
    EXPECT_EQ((Date{2000, 1, 1}), ParseDate("1/1/00"));
}

TEST(DateTimeText, ParseDateRefusesWhatIsNotOneRealDate) {
    for (const char* bad : {"12/04/98 a", "13/01/1998", "02/30/1999", "2/29/1900", "0/1/1998", "1/0/1998", "",
                            "abc", "12/04", "12/04/998", "12/04/19988", "123/4/1998", "12-04/1998", "12//1998",
                            "+1/4/1998", "12/04/98/"})
        EXPECT_EQ(std::nullopt, ParseDate(bad)) << '"' << bad << '"';
}

TEST(DateTimeText, NextMinuteInterval) {
    EXPECT_EQ(60000, NextMinuteInterval({1998, 12, 4, 19, 5, 0}));
    EXPECT_EQ(1000, NextMinuteInterval({1998, 12, 4, 19, 5, 59}));
}

}  // namespace
