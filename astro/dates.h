// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Calendar dates and the date texts used throughout the program: the patterns "m", "mm",
// "mmm", "mmmm", "d", "dd", "yy", "yyyy" and "/", the short date format "m/d/yy", reading a
// date text back, and month addition. Proleptic Gregorian calendar throughout.

#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace solvane::astro {

struct Date {
    int year = 0;
    int month = 0;  // 1 .. 12
    int day = 0;    // 1 .. 31
    auto operator<=>(const Date&) const = default;
};

struct DateTime {
    Date date;
    int hour = 0;  // 0 .. 23
    int minute = 0;
    int second = 0;
    int msec = 0;
    auto operator<=>(const DateTime&) const = default;
};

bool isLeapYear(int year);  // the Gregorian rule
int daysInMonth(int year, int month);
bool isValid(const Date& date);  // a real day of the years 1 to 9999

// Days since 30 December 1899 (2 May 2000 is 36648), and back.
long long daySerial(const Date& date);
Date dateFromSerial(long long serial);

// Moves the month by n, carrying into the year; the day is clamped to the last day of the
// target month and the time of day is kept.
Date addMonths(const Date& date, int months);
DateTime addMonths(const DateTime& dateTime, int months);

struct MonthNames {
    std::array<std::string, 12> full;
    std::array<std::string, 12> abbreviated;
    static const MonthNames& english();
};

// Formats by pattern: "m" "mm" "mmm" "mmmm" "d" "dd" "yy" "yyyy", "/" as the date separator,
// every other character standing for itself. Letters are matched case-insensitively.
std::string formatDate(const Date& date, std::string_view pattern,
                       const MonthNames& names = MonthNames::english());

// The short date format "m/d/yy": 12/7/26.
std::string shortDateText(const Date& date);

// Reads a date text back, month first ("12/7/26", "06/19/1992"): a year of one or two
// digits is placed in the century of `todayYear`. Empty on anything that is not a valid date.
std::optional<Date> parseDateText(std::string_view text, int todayYear);

// "m/d/yyyy h:nn:ss AM" and the like, as the moon control keeps its custom time: a date text
// as above, optionally followed by a time "h:nn[:ss[.zzz]]" with an optional "AM"/"PM".
std::optional<DateTime> parseDateTimeText(std::string_view text, int todayYear);
std::string dateTimeText(const DateTime& dateTime);  // "m/d/yyyy h:nn:ss AM"

// The ordinal hint "yy.ddd": the year text, a point and the day of the year with at least
// three digits ("%.3d").
std::string ordinalText(std::string_view yearText, int dayOfYear);

}  // namespace solvane::astro
