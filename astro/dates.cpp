// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "dates.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace solvane::astro {

namespace {

namespace chrono = std::chrono;

constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;
constexpr chrono::sys_days kSerialEpoch = chrono::year{1899} / 12 / 30;  // serial day 0

chrono::year_month_day civil(const Date& date) {
    return chrono::year{date.year} / date.month / date.day;
}

std::string padded(long long value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    return buffer;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Reads 1 .. maxDigits decimal digits at `pos`; the count read is returned in `digits`.
std::optional<int> readNumber(std::string_view text, std::size_t& pos, int maxDigits,
                              int* digits = nullptr) {
    int value = 0;
    int count = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++count > maxDigits) {
            return std::nullopt;
        }
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (count == 0) {
        return std::nullopt;
    }
    if (digits) {
        *digits = count;
    }
    return value;
}

bool expect(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void skipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

// The date part of a date text; `pos` ends just after it.
std::optional<Date> readDate(std::string_view text, std::size_t& pos, int todayYear) {
    const auto month = readNumber(text, pos, 2);
    if (!month || !expect(text, pos, '/')) {
        return std::nullopt;
    }
    const auto day = readNumber(text, pos, 2);
    if (!day || !expect(text, pos, '/')) {
        return std::nullopt;
    }
    int yearDigits = 0;
    const auto year = readNumber(text, pos, 4, &yearDigits);
    if (!year) {
        return std::nullopt;
    }
    Date date{*year, *month, *day};
    if (yearDigits <= 2) {
        date.year += todayYear / 100 * 100;
    }
    if (!isValid(date)) {
        return std::nullopt;
    }
    return date;
}

// "h:nn[:ss[.zzz]]" with an optional "AM"/"PM"; `pos` ends just after it.
std::optional<DateTime> readTime(std::string_view text, std::size_t& pos, const Date& date) {
    DateTime result{date};
    const auto hour = readNumber(text, pos, 2);
    const auto minute = expect(text, pos, ':') ? readNumber(text, pos, 2) : std::nullopt;
    if (!hour || !minute) {
        return std::nullopt;
    }
    result.hour = *hour;
    result.minute = *minute;
    if (expect(text, pos, ':')) {
        const auto second = readNumber(text, pos, 2);
        if (!second) {
            return std::nullopt;
        }
        result.second = *second;
        if (expect(text, pos, '.')) {
            int digits = 0;
            const auto fraction = readNumber(text, pos, 3, &digits);
            if (!fraction) {
                return std::nullopt;
            }
            result.msec = *fraction * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
        }
    }
    skipBlanks(text, pos);
    const bool am = startsWithNoCase(text.substr(pos), "am");
    const bool pm = startsWithNoCase(text.substr(pos), "pm");
    if (am || pm) {
        if (result.hour < 1 || result.hour > 12) {
            return std::nullopt;
        }
        result.hour = result.hour % 12 + (pm ? 12 : 0);  // 12 AM is midnight, 12 PM noon
        pos += 2;
    }
    if (result.hour > 23 || result.minute > 59 || result.second > 59) {
        return std::nullopt;
    }
    return result;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

bool isLeapYear(int year) {
    return chrono::year{year}.is_leap();
}

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return static_cast<int>(unsigned((chrono::year{year} / month / chrono::last).day()));
}

bool isValid(const Date& date) {
    return date.year >= kMinYear && date.year <= kMaxYear && civil(date).ok();
}

long long daySerial(const Date& date) {
    return (chrono::sys_days{civil(date)} - kSerialEpoch).count();
}

Date dateFromSerial(long long serial) {
    const chrono::year_month_day date{kSerialEpoch + chrono::days{serial}};
    return Date{int(date.year()), static_cast<int>(unsigned(date.month())),
                static_cast<int>(unsigned(date.day()))};
}

Date addMonths(const Date& date, int months) {
    const chrono::year_month target = chrono::year{date.year} / date.month + chrono::months{months};
    const int year = int(target.year()), month = static_cast<int>(unsigned(target.month()));
    const int last = daysInMonth(year, month);
    return Date{year, month, date.day > last ? last : date.day};
}

DateTime addMonths(const DateTime& dateTime, int months) {
    DateTime result = dateTime;
    result.date = addMonths(dateTime.date, months);
    return result;
}

const MonthNames& MonthNames::english() {
    static const MonthNames names{
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}};
    return names;
}

std::string formatDate(const Date& date, std::string_view pattern, const MonthNames& names) {
    const bool monthKnown = date.month >= 1 && date.month <= 12;
    const std::string emptyName;
    const std::string& fullName = monthKnown ? names.full[date.month - 1] : emptyName;
    const std::string& shortName = monthKnown ? names.abbreviated[date.month - 1] : emptyName;
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        // Longest pattern first, so "mmmm" is never read as "mm" twice.
        if (startsWithNoCase(rest, "mmmm")) {
            out += fullName, i += 4;
        } else if (startsWithNoCase(rest, "mmm")) {
            out += shortName, i += 3;
        } else if (startsWithNoCase(rest, "mm")) {
            out += padded(date.month, 2), i += 2;
        } else if (startsWithNoCase(rest, "m")) {
            out += std::to_string(date.month), i += 1;
        } else if (startsWithNoCase(rest, "dd")) {
            out += padded(date.day, 2), i += 2;
        } else if (startsWithNoCase(rest, "d")) {
            out += std::to_string(date.day), i += 1;
        } else if (startsWithNoCase(rest, "yyyy")) {
            out += padded(date.year, 4), i += 4;
        } else if (startsWithNoCase(rest, "yy")) {
            out += padded(std::abs(date.year) % 100, 2), i += 2;
        } else {
            out += pattern[i], i += 1;  // "/" is this program's date separator too
        }
    }
    return out;
}

std::string shortDateText(const Date& date) {
    return formatDate(date, "m/d/yy");
}

std::optional<Date> parseDateText(std::string_view text, int todayYear) {
    text = trimmed(text);
    std::size_t pos = 0;
    const auto date = readDate(text, pos, todayYear);
    if (!date || pos != text.size()) {
        return std::nullopt;
    }
    return date;
}

std::optional<DateTime> parseDateTimeText(std::string_view text, int todayYear) {
    text = trimmed(text);
    std::size_t pos = 0;
    const auto date = readDate(text, pos, todayYear);
    if (!date) {
        return std::nullopt;
    }
    if (pos == text.size()) {
        return DateTime{*date};
    }
    if (text[pos] != ' ') {
        return std::nullopt;
    }
    skipBlanks(text, pos);
    const auto dateTime = readTime(text, pos, *date);
    if (!dateTime || pos != text.size()) {
        return std::nullopt;
    }
    return dateTime;
}

std::string dateTimeText(const DateTime& dateTime) {
    const int hour12 = dateTime.hour % 12 == 0 ? 12 : dateTime.hour % 12;
    return formatDate(dateTime.date, "m/d/yyyy") + " " + std::to_string(hour12) + ":" +
           padded(dateTime.minute, 2) + ":" + padded(dateTime.second, 2) +
           (dateTime.hour < 12 ? " AM" : " PM");
}

std::string ordinalText(std::string_view yearText, int dayOfYear) {
    return std::string(yearText) + "." + padded(dayOfYear, 3);
}

}  // namespace solvane::astro
