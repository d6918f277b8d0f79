#include <gtest/gtest.h>

#include "platform/DateTimeText.h"

using namespace datetext;

namespace {

TEST(DateTimeText, StoredAndShownForms) {
    const DateTime evening{1998, 12, 4, 19, 5, 23, 0};
    EXPECT_EQ("12/04/1998", DateMMDDYYYY(evening.date()));
    EXPECT_EQ("01/05/07", DateMMDDYY({2007, 1, 5}));
    EXPECT_EQ("Dec 04 - 07:05 PM", ClockText(evening));
    EXPECT_EQ("On 12/4/98 at 7:05:23 PM", LaunchStamp(evening));
    // The twelve-hour clock around midnight and noon.
    const std::pair<DateTime, const char*> times[] = {{{2000, 1, 1, 0, 0, 0}, "12:00 AM"},
                                                      {{2000, 1, 1, 11, 59, 0}, "11:59 AM"},
                                                      {{2000, 1, 1, 12, 0, 0}, "12:00 PM"},
                                                      {{2000, 1, 1, 13, 0, 0}, "01:00 PM"}};
    for (const auto& [time, text] : times) EXPECT_EQ(text, TimeHHMMAmPm(time));
    EXPECT_EQ(60000, NextMinuteInterval({1998, 12, 4, 19, 5, 0}));
    EXPECT_EQ(1000, NextMinuteInterval({1998, 12, 4, 19, 5, 59}));
}

TEST(DateTimeText, ParseDateReadsOneRealDateMonthFirst) {
    const std::pair<const char*, Date> good[] = {
        {"12/04/1998", {1998, 12, 4}}, {"12/4/98", {1998, 12, 4}}, {"2/29/2000", {2000, 2, 29}},
        {" 3-1-1998 ", {1998, 3, 1}},  {"3.1.29", {2029, 3, 1}},   {"1/1/30", {1930, 1, 1}},
        {"1/1/00", {2000, 1, 1}}};
    for (const auto& [text, date] : good) EXPECT_EQ(date, ParseDate(text)) << '"' << text << '"';
    for (const char* bad : {"12/04/98 a", "13/01/1998", "02/30/1999", "2/29/1900", "0/1/1998", "1/0/1998", "",
                            "abc", "12/04", "12/04/998", "12/04/19988", "123/4/1998", "12-04/1998", "12//1998",
                            "+1/4/1998", "12/04/98/"})
        EXPECT_EQ(std::nullopt, ParseDate(bad)) << '"' << bad << '"';
}

TEST(DateTimeText, ParseTimeReadsTheStoredFormAndRefusesTheRest) {
    auto hm = [](std::string_view text) {
        auto t = ParseTime(text);
        return t ? t->hour * 100 + t->minute : -1;
    };
    EXPECT_EQ(1905, hm("07:05 PM"));
    EXPECT_EQ(0, hm("12:00 AM"));
    EXPECT_EQ(1200, hm("12:00 pm"));
    EXPECT_EQ(1159, hm(" 11:59AM "));
    EXPECT_EQ(2359, hm("23:59"));
    EXPECT_EQ(705, hm("7:05:23 AM"));
    EXPECT_EQ(23, ParseTime("7:05:23 AM")->second);
    for (const char* bad : {"", "7", "7:5 PM", "13:00 PM", "00:30 AM", "24:00", "7:60 AM", "7:05 XM", "7:05 PMX",
                            "7:05:61 PM", "abc", "07:05 PM at"})
        EXPECT_EQ(-1, hm(bad)) << '"' << bad << '"';
}

// Every month: its first weekday, its last day, and the day after it, which is no date.
TEST(DateTimeText, EveryMonthLeapDaysAndTheTurnOfTheYear) {
    const std::string firsts2024 = "MonThuFriMonWedSatMonThuSunTueFriSun";
    const int lastDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        const std::string month = std::to_string(m) + "/";
        EXPECT_EQ(firsts2024.substr(3 * (m - 1), 3), WeekdayAbbrev({2024, m, 1})) << month;
        EXPECT_EQ((Date{2023, m, lastDays[m - 1]}), ParseDate(month + std::to_string(lastDays[m - 1]) + "/2023"));
        EXPECT_EQ(std::nullopt, ParseDate(month + std::to_string(lastDays[m - 1] + 1) + "/2023")) << month;
    }
    EXPECT_EQ((Date{2024, 2, 29}), ParseDate("02/29/2024"));
    EXPECT_EQ("Tue", WeekdayAbbrev({2000, 2, 29}));
    EXPECT_EQ(std::nullopt, ParseDate("02/29/2023"));
    EXPECT_EQ(std::nullopt, ParseDate("02/29/2100"));
    // The turn of the century.
    EXPECT_EQ("Sat", WeekdayAbbrev({2000, 1, 1}));
    EXPECT_EQ("On 1/1/00 at 12:00:00 AM", LaunchStamp({2000, 1, 1, 0, 0, 0, 0}));
}

}  // namespace
