#include <gtest/gtest.h>

#include "platform/DateTimeText.h"

using namespace datetext;

namespace {

const DateTime kEvening{1998, 12, 4, 19, 5, 23, 0};

TEST(DateTimeText, StoredAndShownForms) {
    EXPECT_EQ("12/04/1998", DateMMDDYYYY(kEvening.date()));
    EXPECT_EQ("12/04/98", DateMMDDYY(kEvening.date()));
    EXPECT_EQ("07:05 PM", TimeHHMMAmPm(kEvening));
    EXPECT_EQ("12/4/98", ShortDate(kEvening.date()));
    EXPECT_EQ("7:05:23 PM", LongTime(kEvening));
    EXPECT_EQ("Dec 04", MonthDay(kEvening.date()));
    EXPECT_EQ("Dec 04 - 07:05 PM", ClockText(kEvening));
    EXPECT_EQ("On 12/4/98 at 7:05:23 PM", LaunchStamp(kEvening));
}

TEST(DateTimeText, TwelveHourClockAroundMidnightAndNoon) {
    EXPECT_EQ("12:00 AM", TimeHHMMAmPm({2000, 1, 1, 0, 0, 0}));
    EXPECT_EQ("12:59 AM", TimeHHMMAmPm({2000, 1, 1, 0, 59, 0}));
    EXPECT_EQ("01:00 AM", TimeHHMMAmPm({2000, 1, 1, 1, 0, 0}));
    EXPECT_EQ("11:59 AM", TimeHHMMAmPm({2000, 1, 1, 11, 59, 0}));
    EXPECT_EQ("12:00 PM", TimeHHMMAmPm({2000, 1, 1, 12, 0, 0}));
    EXPECT_EQ("11:59 PM", TimeHHMMAmPm({2000, 1, 1, 23, 59, 0}));
    EXPECT_EQ("12:00:05 AM", LongTime({2000, 1, 1, 0, 0, 5}));
    EXPECT_EQ("12:30:00 PM", LongTime({2000, 1, 1, 12, 30, 0}));
}

TEST(DateTimeText, YearsAcrossTheCentury) {
    EXPECT_EQ("1/1/00", ShortDate({2000, 1, 1}));
    EXPECT_EQ("01/05/07", DateMMDDYY({2007, 1, 5}));
    EXPECT_EQ("01/05/2007", DateMMDDYYYY({2007, 1, 5}));
    EXPECT_EQ("On 2/29/00 at 11:59:59 PM", LaunchStamp({2000, 2, 29, 23, 59, 59}));
}

TEST(DateTimeText, Weekdays) {
    EXPECT_EQ("Fri", WeekdayAbbrev({1998, 12, 4}));
    EXPECT_EQ(0, Weekday({2024, 3, 3}));   // Sunday
    EXPECT_EQ(6, Weekday({2000, 1, 1}));   // Saturday
    EXPECT_EQ(2, Weekday({2000, 2, 29}));  // Tuesday
    EXPECT_EQ("Mon", WeekdayAbbrev({2001, 1, 1}));
    EXPECT_EQ("Thu", WeekdayAbbrev({1970, 1, 1}));
}

TEST(DateTimeText, ValidDates) {
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
    EXPECT_FALSE(IsValidDate({1999, 2, 29}));
    EXPECT_TRUE(IsValidDate({1999, 12, 31}));
    EXPECT_FALSE(IsValidDate({1999, 4, 31}));
    EXPECT_FALSE(IsValidDate({1999, 0, 1}));
    EXPECT_FALSE(IsValidDate({1999, 13, 1}));
    EXPECT_FALSE(IsValidDate({1999, 1, 0}));
}

TEST(DateTimeText, ParseDateReadsMonthFirst) {
    EXPECT_EQ((Date{1998, 12, 4}), ParseDate("12/04/1998"));
    EXPECT_EQ((Date{1998, 12, 4}), ParseDate("12/4/98"));
    EXPECT_EQ((Date{2000, 2, 29}), ParseDate("2/29/2000"));
    EXPECT_EQ((Date{1998, 3, 1}), ParseDate(" 3-1-1998 "));
    EXPECT_EQ((Date{1998, 3, 1}), ParseDate("3.1.98"));
    // What the program writes reads back as the same date.
    EXPECT_EQ((Date{2007, 1, 5}), ParseDate(DateMMDDYYYY({2007, 1, 5})));
    EXPECT_EQ((Date{2007, 1, 5}), ParseDate(ShortDate({2007, 1, 5})));
}

TEST(DateTimeText, ParseDateTwoDigitYearWindow) {
    EXPECT_EQ(2000, ParseDate("1/1/00")->year);
    EXPECT_EQ(2029, ParseDate("1/1/29")->year);
    EXPECT_EQ(1930, ParseDate("1/1/30")->year);
    EXPECT_EQ(1999, ParseDate("1/1/99")->year);
}

TEST(DateTimeText, ParseDateRefusesWhatIsNotOneRealDate) {
    for (const char* bad : {"12/04/98 a", "12/04/98 at 07:05 PM", "13/01/1998", "02/30/1999", "2/29/1900",
                            "0/1/1998", "1/0/1998", "", "   ", "abc", "12/04", "12/04/", "12/04/998",
                            "12/04/19988", "123/4/1998", "1/123/1998", "12-04/1998", "12//1998", "/4/1998",
                            "+1/4/1998", "12/04/98/", "12 04 1998"})
        EXPECT_EQ(std::nullopt, ParseDate(bad)) << '"' << bad << '"';
}

TEST(DateTimeText, NextMinuteInterval) {
    EXPECT_EQ(60000, NextMinuteInterval({1998, 12, 4, 19, 5, 0}));
    EXPECT_EQ(37000, NextMinuteInterval({1998, 12, 4, 19, 5, 23}));
    EXPECT_EQ(1000, NextMinuteInterval({1998, 12, 4, 19, 5, 59}));
}

}  // namespace
