#pragma once
// A local calendar date and time of day. Plain data: no <windows.h>, so the date
// logic builds and tests anywhere.
#include <compare>

struct Date {
    int year = 1900;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    auto operator<=>(const Date&) const = default;
};

struct DateTime {
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    int millisecond = 0;

    Date date() const { return {year, month, day}; }
    auto operator<=>(const DateTime&) const = default;
};

// The same time with its seconds and milliseconds cleared: the minute it falls in.
inline DateTime StartOfMinute(DateTime t) {
    t.second = 0;
    t.millisecond = 0;
    return t;
}
