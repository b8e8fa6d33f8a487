// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The ordinal ("Julian") date of the caption and the day span between two clicked days.

#include <array>
#include <string>
#include <string_view>

#include "dates.h"

namespace solvane::astro {

// Day of the year, 1 .. 366; February has 29 days by the Gregorian rule of the full year.
int dayOfYear(const Date& date);

// The two-digit year text of a date, as the short date format writes it ("26", "00").
std::string yearText(const Date& date);

// Days from one date to the other, both ends included, in either order.
long long inclusiveDaySpan(const Date& first, const Date& second);

// The caption's sentence in English: %1 is today's date, %2 the ordinal date. A window that
// speaks another language passes its own.
inline constexpr std::string_view kCaptionPattern = "Solvane     Today:  %1     Julian: %2";

// "Solvane     Today:  (12) Dec 07, 2026     Julian: 26.341"
std::string plainCaption(const Date& today, std::string_view yearText, int dayOfYear,
                         const MonthNames& names = MonthNames::english(),
                         std::string_view pattern = kCaptionPattern);

// The caption's state: the last date asked about and a span that opens with one click and
// closes with the next.
class OrdinalDates {
public:
    // Computes DayOfYear and YearText for `date`. When `writeCaption` is true it also opens
    // or closes a span and returns the new caption; otherwise it returns an empty text.
    std::string CalcJulianDate(const Date& date, const Date& today, bool writeCaption,
                               const MonthNames& names = MonthNames::english(),
                               std::string_view pattern = kCaptionPattern);

    int DayOfYear = 0;
    std::string YearText;
    std::string LastDateText;
    std::array<int, 12> MonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string SpanStartText, SpanEndText, SpanDaysText;

private:
    Date lastDate_{};
    Date spanStart_{};
};

}  // namespace solvane::astro
