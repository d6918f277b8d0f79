#pragma once
// Every date and time text of the program, in fixed English forms whatever the
// regional settings, so stored records stay readable after a settings change.
// Dates are read month first. No <windows.h>.
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace datetext {

std::string DateMMDDYYYY(const Date& d);          // 12/04/1998
std::string DateMMDDYY(const Date& d);            // 12/04/98
std::string TimeHHMMAmPm(const DateTime& t);      // 07:05 PM
std::string ShortDate(const Date& d);             // 12/4/98
std::string LongTime(const DateTime& t);          // 7:05:23 PM
std::string MonthDay(const Date& d);              // Dec 04
std::string WeekdayAbbrev(const Date& d);         // Sun .. Sat
const char* WeekdayAbbrev(int weekday);           // 0 = Sun .. 6 = Sat
std::string ClockText(const DateTime& t);         // Dec 04 - 07:05 PM
std::string LaunchStamp(const DateTime& t);       // On 12/4/98 at 7:05:23 PM
std::string MinuteText(const DateTime& t);        // 12/04/1998 07:05 PM
int Weekday(const Date& d);                       // 0 = Sunday .. 6 = Saturday
bool IsValidDate(const Date& d);

// Reads m/d/y (separators / - or .; one or two digits for month and day; two or four
// digits for the year, two-digit years through the 1930..2029 window). The whole text
// must be the date; blanks around it are allowed. Nothing when it is not a real date.
std::optional<Date> ParseDate(std::string_view text);

// Reads a time of day: h:mm or h:mm:ss, then AM or PM (any case, a blank before it
// allowed) on the 12-hour clock, or nothing more on the 24-hour clock. Only the hour,
// minute and second of the result are set. Nothing when it is not a real time.
std::optional<DateTime> ParseTime(std::string_view text);

// Reads a MinuteText back: a date, one blank, a time of day. Nothing when either
// part is not real.
std::optional<DateTime> ParseMinuteText(std::string_view text);

// Milliseconds to the start of the next minute, from 60000 (at 0.000 seconds) down
// to 1 (at 59.999).
int NextMinuteInterval(const DateTime& now);

}  // namespace datetext
