// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "ordinal.h"

namespace solvane::astro {

int dayOfYear(const Date& date) {
    return static_cast<int>(daySerial(date) - daySerial(Date{date.year, 1, 1})) + 1;
}

std::string yearText(const Date& date) {
    return formatDate(date, "yy");
}

long long inclusiveDaySpan(const Date& first, const Date& second) {
    const long long difference = daySerial(second) - daySerial(first);
    return (difference < 0 ? -difference : difference) + 1;
}

std::string plainCaption(const Date& today, std::string_view yearText, int dayOfYear,
                         const MonthNames& names, std::string_view pattern) {
    const std::string arguments[2] = {formatDate(today, "(m) mmm dd, yyyy", names),
                                      ordinalText(yearText, dayOfYear)};
    // One pass, so that a month name holding "%2" is not read as a place for an argument.
    std::string caption;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            caption += arguments[pattern[++i] - '1'];
        } else {
            caption += pattern[i];
        }
    }
    return caption;
}

std::string OrdinalDates::CalcJulianDate(const Date& date, const Date& today, bool writeCaption,
                                         const MonthNames& names, std::string_view pattern) {
    LastDateText = shortDateText(date);
    YearText = yearText(date);
    MonthDays[1] = isLeapYear(date.year) ? 29 : 28;
    DayOfYear = dayOfYear(date);
    lastDate_ = date;
    if (!writeCaption) {
        return {};  // start-up's call before the first activation leaves the span alone
    }
    const std::string caption = plainCaption(today, YearText, DayOfYear, names, pattern);
    if (SpanStartText.empty()) {
        SpanStartText = LastDateText;
        spanStart_ = date;
        return caption;
    }
    // The count uses the dates themselves, so a span across a century counts true.
    SpanEndText = LastDateText;
    SpanDaysText = std::to_string(inclusiveDaySpan(spanStart_, date));
    const std::string spanned =
        caption + "     " + SpanStartText + " > " + SpanEndText + " = " + SpanDaysText;
    SpanStartText.clear();
    SpanEndText.clear();
    return spanned;
}

}  // namespace solvane::astro
