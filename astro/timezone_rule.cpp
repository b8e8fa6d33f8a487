// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "timezone_rule.h"

namespace solvane::astro {

namespace {

constexpr long kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr long kMaxRuleHours = 167;  // the widest time of day the rule format allows

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Reads left to right through the rule text; every reader leaves the position after what
// it took, and reports failure by an empty result.
class RuleReader {
public:
    explicit RuleReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    bool take(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool peekDesignation() const {
        return pos_ < text_.size() && (text_[pos_] == '<' || isAlpha(text_[pos_]));
    }

    // "EST" (three or more letters) or "<+0545>" (anything but '>' between the brackets).
    bool designation() {
        if (take('<')) {
            const std::size_t close = text_.find('>', pos_);
            if (close == text_.npos || close - pos_ < 3) {
                return false;
            }
            pos_ = close + 1;
            return true;
        }
        const std::size_t from = pos_;
        while (pos_ < text_.size() && isAlpha(text_[pos_])) {
            ++pos_;
        }
        return pos_ - from >= 3;
    }

    std::optional<long> number(long max) {
        const std::size_t from = pos_;
        long value = 0;
        while (pos_ < text_.size() && isDigit(text_[pos_]) && pos_ - from < 4) {
            value = value * 10 + (text_[pos_++] - '0');
        }
        if (pos_ == from || value > max) {
            return std::nullopt;
        }
        return value;
    }

    // [+-]hh[:mm[:ss]] in seconds.
    std::optional<long> time() {
        const long sign = take('-') ? -1 : (take('+'), 1);
        const auto hours = number(kMaxRuleHours);
        if (!hours) {
            return std::nullopt;
        }
        long seconds = *hours * kSecondsPerHour;
        for (long unit : {60L, 1L}) {
            if (!take(':')) {
                break;
            }
            const auto part = number(59);
            if (!part) {
                return std::nullopt;
            }
            seconds += *part * unit;
        }
        return sign * seconds;
    }

    std::optional<TransitionDay> transitionDay() {
        TransitionDay day;
        std::optional<long> value;
        if (take('M')) {
            day.kind = TransitionDay::Kind::MonthWeekDay;
            const auto month = number(12);
            const auto week = month && take('.') ? number(5) : std::nullopt;
            value = week && take('.') ? number(6) : std::nullopt;
            if (!value || *month < 1 || *week < 1) {
                return std::nullopt;
            }
            day.month = static_cast<int>(*month);
            day.week = static_cast<int>(*week);
        } else if (take('J')) {
            day.kind = TransitionDay::Kind::JulianNoLeap;
            value = number(365);
            if (value && *value < 1) {
                return std::nullopt;
            }
        } else {
            day.kind = TransitionDay::Kind::ZeroBased;
            value = number(365);
        }
        if (!value) {
            return std::nullopt;
        }
        day.day = static_cast<int>(*value);
        if (take('/')) {
            const auto seconds = time();
            if (!seconds) {
                return std::nullopt;
            }
            day.seconds = *seconds;
        }
        return day;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isLeap(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int monthLength(std::int64_t year, int month) {
    static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kLengths[month - 1];
}

// Days since 1970-01-01 of the transition day in the given year.
std::int64_t transitionDayNumber(const TransitionDay& rule, std::int64_t year) {
    const std::int64_t january1 = daysFromCivil(year, 1, 1);
    switch (rule.kind) {
        case TransitionDay::Kind::JulianNoLeap:
            return january1 + rule.day - 1 + (isLeap(year) && rule.day >= 60 ? 1 : 0);
        case TransitionDay::Kind::ZeroBased:
            return january1 + rule.day;
        case TransitionDay::Kind::MonthWeekDay:
            break;
    }
    const std::int64_t first = daysFromCivil(year, rule.month, 1);
    const int firstWeekday = static_cast<int>(((first + 4) % 7 + 7) % 7);  // 1970-01-01: Thursday
    std::int64_t day = first + (rule.day - firstWeekday + 7) % 7 + 7 * (rule.week - 1);
    while (day >= first + monthLength(year, rule.month)) {
        day -= 7;
    }
    return day;
}

}  // namespace

std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    // The era arithmetic of Howard Hinnant's chrono-compatible date algorithms.
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::int64_t yearOfDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    return yearOfEra + era * 400 + (monthIndex >= 10 ? 1 : 0);
}

std::optional<PosixRule> parsePosixRule(std::string_view text) {
    RuleReader reader(text);
    PosixRule rule;
    const auto standard = reader.designation() ? reader.time() : std::nullopt;
    if (!standard) {
        return std::nullopt;
    }
    rule.standardOffset = -*standard;
    if (reader.atEnd()) {
        return rule;
    }
    if (!reader.peekDesignation() || !reader.designation()) {
        return std::nullopt;
    }
    rule.daylightOffset = rule.standardOffset + kSecondsPerHour;
    if (!reader.atEnd() && !reader.take(',')) {
        const auto daylight = reader.time();
        if (!daylight || (!reader.atEnd() && !reader.take(','))) {
            return std::nullopt;
        }
        rule.daylightOffset = -*daylight;
    }
    if (reader.atEnd()) {
        // No dates given: the United States rules, as the C library assumes.
        rule.start = TransitionDay{TransitionDay::Kind::MonthWeekDay, 0, 3, 2};
        rule.end = TransitionDay{TransitionDay::Kind::MonthWeekDay, 0, 11, 1};
        return rule;
    }
    const auto start = reader.transitionDay();
    const auto end = start && reader.take(',') ? reader.transitionDay() : std::nullopt;
    if (!end || !reader.atEnd()) {
        return std::nullopt;
    }
    rule.start = *start;
    rule.end = *end;
    return rule;
}

long PosixRule::offsetAt(std::int64_t utcSeconds) const {
    if (!daylightOffset) {
        return standardOffset;
    }
    const auto floorDiv = [](std::int64_t a, std::int64_t b) {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
    };
    const std::int64_t year = yearOfDays(floorDiv(utcSeconds + standardOffset, kSecondsPerDay));
    // The start is written in standard time, the end in daylight time.
    const std::int64_t startUtc =
        transitionDayNumber(start, year) * kSecondsPerDay + start.seconds - standardOffset;
    const std::int64_t endUtc =
        transitionDayNumber(end, year) * kSecondsPerDay + end.seconds - *daylightOffset;
    const bool daylight = startUtc < endUtc ? (utcSeconds >= startUtc && utcSeconds < endUtc)
                                            : !(utcSeconds >= endUtc && utcSeconds < startUtc);
    return daylight ? *daylightOffset : standardOffset;
}

}  // namespace solvane::astro
