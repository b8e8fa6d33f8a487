// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "subdaily.h"

#include <algorithm>
#include <limits>
#include <set>

namespace solvane::ical {

namespace {

bool unset(const short* values) {
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// The parts that pick days rather than times of day.
bool picksDays(const icalrecurrencetype& rule) {
    return !unset(rule.by_day) || !unset(rule.by_month_day) || !unset(rule.by_year_day) ||
           !unset(rule.by_week_no) || !unset(rule.by_month);
}

bool picksTimes(const icalrecurrencetype& rule) {
    return !unset(rule.by_second) || !unset(rule.by_minute) || !unset(rule.by_hour) ||
           !unset(rule.by_set_pos);
}

std::int64_t unitSeconds(icalrecurrencetype_frequency frequency) {
    switch (frequency) {
        case ICAL_HOURLY_RECURRENCE:
            return 3600;
        case ICAL_MINUTELY_RECURRENCE:
            return 60;
        default:
            return 1;
    }
}

// The last instant the rule may reach: its UNTIL (a date counts to its end) or its COUNT.
std::int64_t lastInstant(const icalrecurrencetype& rule, const Zone& zone, std::int64_t first,
                         std::int64_t stepSeconds) {
    std::int64_t last = std::numeric_limits<std::int64_t>::max();
    if (!icaltime_is_null_time(rule.until)) {
        icaltimetype until = rule.until;
        const bool utc = icaltime_is_utc(until);
        const bool date = until.is_date != 0;
        until.zone = nullptr;
        last = (utc ? Zone::utc() : zone).instantOf(until) + (date ? kSecondsPerDay - 1 : 0);
    }
    // Without picking parts the instances are evenly spaced; with them COUNT says less, and
    // the days are marked up to UNTIL or the end of the range.
    if (rule.count > 0 && !picksDays(rule) && !picksTimes(rule)) {
        last = std::min(last, first + (rule.count - 1) * stepSeconds);
    }
    return last;
}

// The days a rule's day-picking parts allow (BYDAY, BYMONTHDAY, BYMONTH...), from libical's
// iterator over a daily copy of the rule, which takes one step per day at most.
std::set<std::int64_t> allowedDays(const icalrecurrencetype& rule, const Zone& zone,
                                   icaltimetype dtstart, FileContext& file) {
    icalrecurrencetype daily = rule;
    daily.freq = ICAL_DAILY_RECURRENCE;
    daily.interval = 1;
    daily.count = 0;
    daily.by_second[0] = daily.by_minute[0] = daily.by_hour[0] = daily.by_set_pos[0] =
        ICAL_RECURRENCE_ARRAY_MAX;
    const icaltimetype rangeEnd = zone.wallOf(file.rangeEnd + kSecondsPerDay);
    if (icaltime_is_null_time(daily.until) || icaltime_compare(daily.until, rangeEnd) > 0) {
        daily.until = rangeEnd;
    }
    dtstart.is_date = 1;
    dtstart.zone = nullptr;
    daily.until.is_date = 1;
    daily.until.zone = nullptr;
    std::set<std::int64_t> days;
    IteratorOwner iterator(icalrecur_iterator_new(daily, dtstart));
    if (!iterator) {
        return days;
    }
    icaltimetype from = zone.wallOf(file.rangeStart - kSecondsPerDay);
    from.is_date = 1;
    from.zone = nullptr;
    if (icaltime_compare(from, dtstart) > 0) {
        icalrecur_iterator_set_start(iterator.get(), from);
    }
    for (;;) {
        if (file.stepsLeft <= 0) {
            break;
        }
        --file.stepsLeft;
        ++file.result.steps;
        const icaltimetype day = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(day)) {
            break;
        }
        days.insert(daySerial({day.year, day.month, day.day}));
    }
    return days;
}

// The instant a day begins in `local`: days of 23 and 25 hours are days all the same.
std::int64_t localMidnight(const Zone& local, std::int64_t day) {
    const Date date = dateOfSerial(day);
    icaltimetype midnight = icaltime_null_time();
    midnight.year = date.year;
    midnight.month = date.month;
    midnight.day = date.day;
    return local.instantOf(midnight);
}

}  // namespace

bool isSubDaily(const icalrecurrencetype& rule) {
    return rule.freq == ICAL_HOURLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE ||
           rule.freq == ICAL_SECONDLY_RECURRENCE;
}

void markSubDaily(const icalrecurrencetype& rule, const Zone& zone, icaltimetype dtstart,
                  std::int64_t seconds, FileContext& file,
                  const std::function<bool(std::int64_t, std::int64_t)>& mark) {
    const std::int64_t first = zone.instantOf(dtstart);
    const std::int64_t step = unitSeconds(rule.freq) * std::max<std::int64_t>(1, rule.interval);
    const std::int64_t last = lastInstant(rule, zone, first, step);
    const bool filtered = picksDays(rule);
    const std::set<std::int64_t> days =
        filtered ? allowedDays(rule, zone, dtstart, file) : std::set<std::int64_t>();
    const std::int64_t firstDay = daySerial(file.request.first);
    const std::int64_t untilDay = daySerial(file.request.until);
    for (std::int64_t day = firstDay; day < untilDay; ++day) {
        const std::int64_t dayStart = localMidnight(file.local, day);
        const std::int64_t dayEnd = localMidnight(file.local, day + 1);
        if (dayEnd <= first || dayStart > last) {
            continue;
        }
        std::int64_t instant = first;
        if (filtered) {
            // The rule's days are days of its own zone: the local day may begin in one that
            // the rule skips and end in one it takes.
            instant = std::max(first, dayStart);
            const icaltimetype opening = zone.wallOf(instant);
            if (!days.count(daySerial({opening.year, opening.month, opening.day}))) {
                icaltimetype closing = zone.wallOf(dayEnd - 1);
                closing.hour = closing.minute = closing.second = 0;
                instant = std::max(first, zone.instantOf(closing));
                if (instant <= dayStart ||
                    !days.count(daySerial({closing.year, closing.month, closing.day}))) {
                    continue;
                }
            }
        } else if (dayStart > first) {
            // The first evenly spaced instance of the day; with time parts, the day's start.
            instant =
                picksTimes(rule) ? dayStart : first + (dayStart - first + step - 1) / step * step;
        }
        if (instant >= dayEnd || instant > last) {
            continue;
        }
        if (!mark(instant, instant + seconds)) {
            return;
        }
    }
}

}  // namespace solvane::ical
