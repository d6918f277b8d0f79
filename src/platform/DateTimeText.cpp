#include "platform/DateTimeText.h"

#include <cctype>
#include <cstdio>

#include "platform/Trim.h"

namespace datetext {
namespace {

constexpr const char* kMonthAbbrev[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kWeekdayAbbrev[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// snprintf into a string; every form here is short.
template <typename... Args>
std::string Format(const char* format, Args... args) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, format, args...);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

int Hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }
const char* AmPm(int hour) { return hour < 12 ? "AM" : "PM"; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads one to maxDigits digits; advances text past them.
std::optional<int> ReadNumber(std::string_view& text, size_t maxDigits, size_t* digits) {
    size_t n = 0;
    int value = 0;
    while (n < text.size() && std::isdigit(static_cast<unsigned char>(text[n]))) {
        if (n == maxDigits) return std::nullopt;
        value = value * 10 + (text[n] - '0');
        ++n;
    }
    if (n == 0) return std::nullopt;
    text.remove_prefix(n);
    if (digits) *digits = n;
    return value;
}

bool IsDateSeparator(char c) { return c == '/' || c == '-' || c == '.'; }

}  // namespace

std::string DateMMDDYYYY(const Date& d) { return Format("%02d/%02d/%04d", d.month, d.day, d.year); }
std::string DateMMDDYY(const Date& d) { return Format("%02d/%02d/%02d", d.month, d.day, d.year % 100); }
std::string ShortDate(const Date& d) { return Format("%d/%d/%02d", d.month, d.day, d.year % 100); }
std::string MonthDay(const Date& d) { return Format("%s %02d", kMonthAbbrev[d.month - 1], d.day); }
std::string WeekdayAbbrev(const Date& d) { return WeekdayAbbrev(Weekday(d)); }
const char* WeekdayAbbrev(int weekday) { return kWeekdayAbbrev[weekday]; }

std::string TimeHHMMAmPm(const DateTime& t) {
    return Format("%02d:%02d %s", Hour12(t.hour), t.minute, AmPm(t.hour));
}

std::string LongTime(const DateTime& t) {
    return Format("%d:%02d:%02d %s", Hour12(t.hour), t.minute, t.second, AmPm(t.hour));
}

std::string ClockText(const DateTime& t) { return MonthDay(t.date()) + " - " + TimeHHMMAmPm(t); }

std::string LaunchStamp(const DateTime& t) { return "On " + ShortDate(t.date()) + " at " + LongTime(t); }

std::string MinuteText(const DateTime& t) { return DateMMDDYYYY(t.date()) + " " + TimeHHMMAmPm(t); }

int Weekday(const Date& d) {
    // Sakamoto's method: January and February count as months of the previous year.
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = d.month < 3 ? d.year - 1 : d.year;
    return (y + y / 4 - y / 100 + y / 400 + kMonthOffset[d.month - 1] + d.day) % 7;
}

bool IsValidDate(const Date& d) {
    return d.year >= 100 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month);
}

std::optional<Date> ParseDate(std::string_view text) {
    text = TrimWhiteSpace(text);
    size_t yearDigits = 0;
    std::optional<int> month = ReadNumber(text, 2, nullptr);
    if (!month || text.empty() || !IsDateSeparator(text.front())) return std::nullopt;
    char separator = text.front();
    text.remove_prefix(1);
    std::optional<int> day = ReadNumber(text, 2, nullptr);
    if (!day || text.empty() || text.front() != separator) return std::nullopt;
    text.remove_prefix(1);
    std::optional<int> year = ReadNumber(text, 4, &yearDigits);
    if (!year || !text.empty() || (yearDigits != 2 && yearDigits != 4)) return std::nullopt;
    if (yearDigits == 2) *year += *year < 30 ? 2000 : 1900;
    Date date{*year, *month, *day};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

std::optional<DateTime> ParseTime(std::string_view text) {
    text = TrimWhiteSpace(text);
    DateTime t;
    std::optional<int> hour = ReadNumber(text, 2, nullptr);
    if (!hour || text.empty() || text.front() != ':') return std::nullopt;
    text.remove_prefix(1);
    size_t digits = 0;
    std::optional<int> minute = ReadNumber(text, 2, &digits);
    if (!minute || digits != 2) return std::nullopt;
    std::optional<int> second = 0;
    if (!text.empty() && text.front() == ':') {
        text.remove_prefix(1);
        second = ReadNumber(text, 2, &digits);
        if (!second || digits != 2) return std::nullopt;
    }
    text = TrimWhiteSpace(text);
    auto is = [&](const char* designator) {
        return text.size() == 2 && std::toupper(static_cast<unsigned char>(text[0])) == designator[0] &&
               std::toupper(static_cast<unsigned char>(text[1])) == 'M';
    };
    if (text.empty()) {
        if (*hour > 23) return std::nullopt;
        t.hour = *hour;
    } else if (is("AM") || is("PM")) {
        if (*hour < 1 || *hour > 12) return std::nullopt;
        t.hour = *hour % 12 + (is("PM") ? 12 : 0);
    } else {
        return std::nullopt;
    }
    if (*minute > 59 || *second > 59) return std::nullopt;
    t.minute = *minute;
    t.second = *second;
    return t;
}

std::optional<DateTime> ParseMinuteText(std::string_view text) {
    size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    std::optional<Date> date = ParseDate(text.substr(0, blank));
    std::optional<DateTime> time = ParseTime(text.substr(blank + 1));
    if (!date || !time) return std::nullopt;
    return DateTime{date->year, date->month, date->day, time->hour, time->minute, 0, 0};
}

int NextMinuteInterval(const DateTime& now) {
    // The milliseconds count too: a timer re-armed from a tick that came late would
    // otherwise carry that lateness into every later minute.
    return 60000 - (now.second * 1000 + now.millisecond);
}

}  // namespace datetext
