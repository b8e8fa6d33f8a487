// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "options.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "decimal.h"
#include "place.h"
#include "quoted.h"
#include "zone_options.h"

namespace solvane::almanac {

const char* const kUsage =
    "usage: solvane-almanac [--lat TEXT] [--lon TEXT] [--offset HOURS] [--military] "
    "[--tz ZONE] [--latitude DEG] [--longitude DEG] [--phases | --ics [--ics-only sun|moon]] "
    "[--events FILE]... "
    "(DATE... | --from DATE --days N)\n";

const char* const kHelp =
    "Sunrise, sunset, ordinal date and moon phase for each date asked for.\n"
    "\n"
    "  --lat TEXT      latitude as the preferences write it: \"N\xC2\xB0"
    "40.75\", \"S\xC2\xB0"
    "33.87\"\n"
    "                  or a bare number such as 40.75 (north positive); decimal degrees,\n"
    "                  rounded to two decimals\n"
    "  --lon TEXT      longitude likewise: \"W\xC2\xB0"
    "73.99\", \"E\xC2\xB0"
    "151.21\" or a bare number\n"
    "                  (west positive); a text without a degree sign is read as a number\n"
    "  --offset HOURS  local time ahead of GMT, -24 to 24 (Eastern time is -5), rounded to\n"
    "                  two decimals; 0 when not given\n"
    "  --military      24-hour times (04:24, 19:30) instead of 4:24A, 7:30P\n"
    "  --phases        the principal phases of the moon in the dates instead: one line\n"
    "                  each, the local time rounded to the minute, a tab and the phase\n"
    "                  (2026-12-09T00:52\tnew moon)\n"
    "  --ics           an iCalendar file (RFC 5545) of the dates instead: a Sunrise and a\n"
    "                  Sunset event for each time the lines show, and an event at each\n"
    "                  principal phase of the moon, in UTC; without dates, the 366 days\n"
    "                  from today\n"
    "  --ics-only sun|moon\n"
    "                  only the sun's events, or only the moon's\n"
    "  --from DATE --days N\n"
    "                  N consecutive dates starting at DATE, instead of a list of dates\n"
    "  DATE            YYYY-MM-DD, 0001-01-01 to 9999-12-31\n"
    "  --help          this text\n"
    "\n"
    "Without a latitude and a longitude (or with either at 0) no sun times are computed.\n"
    "\n"
    "Output: a header line, then one tab-separated line per date:\n"
    "  date          YYYY-MM-DD\n"
    "  julian        two-digit year, a point and the day of the year (92.171)\n"
    "  sunrise       the sunrise time; empty when none is found or no place is given\n"
    "  sunset        the sunset time, likewise\n"
    "  moon_phase    the moon's phase angle in radians at 6:00 PM local time of the date:\n"
    "                its elongation from the sun as it is in the sky (0 new moon, pi/2\n"
    "                first quarter, pi full moon, 3pi/2 last quarter)\n"
    "  moon_picture  the moon picture shown for that angle, 1 to 28, or 0 for none\n"
    "  notes         the messages of the sun computation, joined by \" | \"\n"
    "\n"
    "The scan runs 24 hours from local noon: with an offset below zero from noon of the day\n"
    "before, so the sunset shown is the day before's; otherwise from noon of the date, so the\n"
    "sunrise shown is the next day's. Times past midnight or before noon keep the count from\n"
    "noon (12:40P is 00:40, -11:10A is 13:10).\n"
    "\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 for a malformed\n"
    "command line, date or place text, or an events file that cannot be read.\n";

namespace {

constexpr double kMaxOffsetHours = 24;
constexpr double kMaxLatitude = 90;      // degrees either side of the equator
constexpr double kMaxLongitude = 180;    // degrees either side of Greenwich
constexpr long long kMaxDays = 3652059;  // every date from 0001-01-01 to 9999-12-31

Refusal usageError(const std::string& why) {
    return Refusal{"solvane-almanac: " + why + "\n"};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> digitsAt(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!isDigit(text[i])) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// YYYY-MM-DD exactly.
std::optional<astro::Date> parseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2),
               day = digitsAt(text, 8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const astro::Date date{*year, *month, *day};
    return astro::isValid(date) ? std::optional(date) : std::nullopt;
}

std::optional<double> parseOffset(std::string text) {
    if (!text.empty() && text.front() == '+') {
        text.erase(0, 1);
    }
    const std::optional<double> value = astro::decimalValue(text);
    if (!value || std::fabs(*value) > kMaxOffsetHours) {
        return std::nullopt;
    }
    return astro::roundTo2Decimals(*value);
}

std::optional<long long> parseDayCount(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kMaxDays) {
        return std::nullopt;
    }
    return value;
}

struct RawOptions {
    std::optional<std::string> latitude, longitude, offset, from, days, icsOnly;
    bool military = false;
    bool phases = false;
    bool ics = false;
    std::vector<std::string> dates;
};

using ValueField = std::optional<std::string> RawOptions::*;

ValueField valueOption(const std::string& name) {
    static const std::pair<const char*, ValueField> kOptions[] = {
        {"--lat", &RawOptions::latitude},  {"--lon", &RawOptions::longitude},
        {"--offset", &RawOptions::offset}, {"--from", &RawOptions::from},
        {"--days", &RawOptions::days},     {"--ics-only", &RawOptions::icsOnly}};
    for (const auto& [optionName, field] : kOptions) {
        if (name == optionName) {
            return field;
        }
    }
    return nullptr;
}

// Splits "--name=value" and "--name value"; returns the refusal text or empty.
std::string collect(const std::vector<std::string>& arguments, RawOptions& raw, bool& help) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) {
                return inlineValue;
            }
            return i + 1 < arguments.size() ? std::optional(arguments[++i]) : std::nullopt;
        };
        if (name == "--help" || name == "-h") {
            help = true;
        } else if (name == "--military" && !inlineValue) {
            raw.military = true;
        } else if (name == "--phases" && !inlineValue) {
            raw.phases = true;
        } else if (name == "--ics" && !inlineValue) {
            raw.ics = true;
        } else if (const auto field = valueOption(name)) {
            raw.*field = value();
            if (!(raw.*field)) {
                return "option " + quoted(name) + " needs a value";
            }
        } else if (name.rfind("--", 0) == 0 || name == "-") {
            return "unknown option " + quoted(arguments[i]);
        } else {
            raw.dates.push_back(name);
        }
    }
    return {};
}

std::optional<Refusal> readDates(const RawOptions& raw, Options& options) {
    if (raw.from.has_value() != raw.days.has_value() || (raw.from && !raw.dates.empty()) ||
        (!raw.from && raw.dates.empty() && !raw.ics)) {
        return usageError("give either dates or --from DATE --days N");
    }
    if (raw.from) {
        const auto first = parseIsoDate(*raw.from);
        const auto days = parseDayCount(*raw.days);
        if (!first) {
            return usageError("--from: not a date from 0001-01-01 to 9999-12-31: " +
                              quoted(*raw.from));
        }
        if (!days ||
            astro::daySerial(*first) + *days - 1 > astro::daySerial(astro::Date{9999, 12, 31})) {
            return usageError("--days: not a whole number from 1 up to the end of 9999: " +
                              quoted(*raw.days));
        }
        options.dates = {*first};
        options.days = *days;
        return std::nullopt;
    }
    for (const std::string& text : raw.dates) {
        const auto date = parseIsoDate(text);
        if (!date) {
            return usageError("DATE: not a date from 0001-01-01 to 9999-12-31: " + quoted(text));
        }
        options.dates.push_back(*date);
    }
    return std::nullopt;
}

// A place text as the preferences hold it, within `limit` degrees either way; 0 when absent.
// `refusal` names what was expected.
std::variant<double, Refusal> placeNumber(const std::optional<std::string>& text,
                                          std::optional<double> (*read)(std::string_view),
                                          double limit, const char* refusal) {
    const auto number = read(text.value_or(""));
    if (!number || std::fabs(*number) > limit) {
        return Refusal{
            "solvane-almanac: " + std::string(refusal) + quoted(text.value_or("")) + "\n", false};
    }
    return *number;
}

std::optional<Refusal> readIcsOptions(const RawOptions& raw, Options& options) {
    if (raw.ics && raw.phases) {
        return usageError("--ics and --phases do not go together");
    }
    if (raw.icsOnly && !raw.ics) {
        return usageError("--ics-only needs --ics");
    }
    options.ics = raw.ics;
    if (raw.icsOnly) {
        if (*raw.icsOnly != "sun" && *raw.icsOnly != "moon") {
            return usageError("--ics-only: not \"sun\" or \"moon\": " + quoted(*raw.icsOnly));
        }
        options.icsContent = *raw.icsOnly == "sun" ? IcsContent::SunOnly : IcsContent::MoonOnly;
    }
    return std::nullopt;
}

}  // namespace

ParseResult parseOptions(const std::vector<std::string>& arguments) {
    const ZoneArguments zone = takeZoneArguments(arguments);
    RawOptions raw;
    bool help = false;
    std::string why = zone.error.empty() ? collect(zone.rest, raw, help) : zone.error;
    if (!why.empty()) {
        return usageError(why);
    }
    if (help || zone.version) {
        return help ? ParseResult(ShowHelp{}) : ParseResult(ShowVersion{});
    }
    Options options;
    options.military = raw.military;
    options.phases = raw.phases;
    if (auto refusal = readIcsOptions(raw, options)) {
        return *refusal;
    }
    if (raw.offset) {
        const auto offset = parseOffset(*raw.offset);
        if (!offset) {
            return usageError("--offset: not a number of hours from -24 to 24: " +
                              quoted(*raw.offset));
        }
        options.gmtOffset = *offset;
    }
    if (auto refusal = readDates(raw, options)) {
        return *refusal;
    }
    const auto latitude = placeNumber(raw.latitude, astro::latitudeFromText, kMaxLatitude,
                                      "--lat: not a latitude from -90 to 90 degrees: ");
    if (auto* refusal = std::get_if<Refusal>(&latitude)) {
        return *refusal;
    }
    const auto longitude = placeNumber(raw.longitude, astro::longitudeNumberFromText, kMaxLongitude,
                                       "--lon: not a longitude from -180 to 180 degrees: ");
    if (auto* refusal = std::get_if<Refusal>(&longitude)) {
        return *refusal;
    }
    options.latitude = std::get<double>(latitude);
    options.longitudeNumber = std::get<double>(longitude);
    if (auto refusal =
            applyZoneArguments(zone, raw.offset.has_value(), raw.latitude || raw.longitude, options,
                               astro::SystemZoneSources::fromEnvironment())) {
        return *refusal;
    }
    return options;
}

}  // namespace solvane::almanac
