// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "ics_writer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <set>

#include "ics_lines.h"
#include "local_time.h"
#include "moon_sky.h"
#include "phase_lines.h"

namespace solvane::almanac {

namespace ics {

const char* const kCalendarBegin =
    "BEGIN:VCALENDAR\r\n"
    "VERSION:2.0\r\n"
    // No version here: a new release that computes the same times writes the same file.
    "PRODID:-//Solvane//solvane-almanac//EN\r\n"
    "CALSCALE:GREGORIAN\r\n"
    "X-WR-CALNAME:Sunrise\\, sunset and moon phases\r\n";
const char* const kCalendarEnd = "END:VCALENDAR\r\n";

namespace {

constexpr double kMeanLunation = 29.530588861;    // days (Meeus, Astronomical Algorithms 49.1)
constexpr double kNewMoonOf2000 = 2451550.09766;  // JDE of the mean new moon of 6 January 2000

// "40.75°N, 73.99°W", as a person writes a place.
std::string placeText(const Geo& place) {
    return decimal(std::fabs(place.latitude)) + "\xC2\xB0" + (place.latitude < 0 ? "S" : "N") +
           ", " + decimal(std::fabs(place.longitude)) + "\xC2\xB0" +
           (place.longitude < 0 ? "W" : "E");
}

// "GMT-5", "GMT+5:45": the clock the line's times are read on.
std::string offsetText(long seconds) {
    const long minutes = std::labs(seconds) / 60;
    std::string text =
        std::string("GMT") + (seconds < 0 ? "-" : "+") + std::to_string(minutes / 60);
    if (minutes % 60 != 0) {
        text += (minutes % 60 < 10 ? ":0" : ":") + std::to_string(minutes % 60);
    }
    return text;
}

std::optional<Event> sunEvent(const RowSettings& settings, const astro::Date& date,
                              astro::EventKind kind, const std::optional<RowSunEvent>& found) {
    if (!found) {
        return std::nullopt;
    }
    const long offset = std::lround(found->gmtOffset * 3600);
    // The scan's hours count from local noon: of the day before when the offset is below zero.
    const std::int64_t noon = secondsSinceEpoch({found->date, 0, 0, 0, 0}) +
                              (found->gmtOffset < 0 ? -43200 : 43200) - offset;
    char text[astro::kMaxEventTextSize];
    char* end = astro::writeEventText(text, kind, found->time, settings.military);
    const Geo place{settings.observer.latitude, settings.observer.longitude};
    const char* name = kind == astro::Sunrise ? "Sunrise" : "Sunset";
    Event event;
    event.uid = std::string(kind == astro::Sunrise ? "sunrise-" : "sunset-") +
                utcDateTime(secondsSinceEpoch({date, 0, 0, 0, 0})).substr(0, 8) + "-" +
                decimal(place.latitude) + "_" + decimal(place.longitude) + "@solvane-almanac";
    event.start = noon + std::llround(found->time.hours * 3600 + found->time.minutes * 60);
    event.summary = name;
    event.description = std::string(name) + " at " +
                        std::string(text, static_cast<std::size_t>(end - text)) + " (" +
                        offsetText(offset) + ")";
    event.place = place;
    return event;
}

const char* phaseSummary(astro::PrincipalPhase phase) {
    switch (phase) {
        case astro::PrincipalPhase::NewMoon:
            return "New moon";
        case astro::PrincipalPhase::FirstQuarter:
            return "First quarter";
        case astro::PrincipalPhase::FullMoon:
            return "Full moon";
        case astro::PrincipalPhase::LastQuarter:
            break;
    }
    return "Last quarter";
}

// The period of the eight-phase cycle that each principal phase opens.
const char* periodAfter(astro::PrincipalPhase phase) {
    switch (phase) {
        case astro::PrincipalPhase::NewMoon:
            return "New moon, then waxing crescent until the first quarter";
        case astro::PrincipalPhase::FirstQuarter:
            return "First quarter, then waxing gibbous until the full moon";
        case astro::PrincipalPhase::FullMoon:
            return "Full moon, then waning gibbous until the last quarter";
        case astro::PrincipalPhase::LastQuarter:
            break;
    }
    return "Last quarter, then waning crescent until the new moon";
}

std::string uidWord(const char* summary) {
    std::string word = summary;
    for (char& c : word) {
        c = c == ' ' ? '-' : static_cast<char>(c | 0x20);
    }
    return word;
}

// Events are written a stretch of days at a time, in time order, so that no run holds
// them all.
class CalendarOutput {
public:
    CalendarOutput(std::FILE* file, const RowSettings& settings, IcsContent content)
        : file_(file), settings_(settings), content_(content) {}

    void writeDays(const astro::Date& first, long long count) {
        std::vector<Event> events;
        if (content_ != IcsContent::MoonOnly) {
            for (long long i = 0; i < count; ++i) {
                const astro::Date date = astro::dateFromSerial(astro::daySerial(first) + i);
                for (Event& event : sunEvents(settings_, date)) {
                    events.push_back(std::move(event));
                }
            }
        }
        if (content_ != IcsContent::SunOnly) {
            for (const astro::PhaseInstant& phase : phasesOfDays(settings_, first, count)) {
                events.push_back(phaseEvent(phase));
            }
        }
        std::stable_sort(events.begin(), events.end(),
                         [](const Event& a, const Event& b) { return a.start < b.start; });
        for (const Event& event : events) {
            appendEvent(text_, event);
        }
        flush();
    }
    void write(const char* text) {
        text_ += text;
        flush();
    }
    int error() const { return error_; }

private:
    void flush() {
        if (error_ == 0 && std::fwrite(text_.data(), 1, text_.size(), file_) != text_.size()) {
            error_ = errno;
        }
        text_.clear();
    }

    std::FILE* file_;
    const RowSettings& settings_;
    IcsContent content_;
    std::string text_;
    int error_ = 0;
};

}  // namespace

void appendEvent(std::string& out, const Event& event) {
    const std::string start = utcDateTime(event.start);
    appendLine(out, "BEGIN:VEVENT");
    appendLine(out, "UID:" + escapeText(event.uid));
    appendLine(out, "DTSTAMP:" + start);
    appendLine(out, "DTSTART:" + start);
    appendLine(out, "SUMMARY:" + escapeText(event.summary));
    if (!event.description.empty()) {
        appendLine(out, "DESCRIPTION:" + escapeText(event.description));
    }
    if (event.place) {
        appendLine(out, "LOCATION:" + escapeText(placeText(*event.place)));
        appendLine(out,
                   "GEO:" + decimal(event.place->latitude) + ";" + decimal(event.place->longitude));
    }
    // A moment to know of, not time taken: free/busy lookups pass over it.
    appendLine(out, "TRANSP:TRANSPARENT");
    appendLine(out, "END:VEVENT");
}

std::vector<Event> sunEvents(const RowSettings& settings, const astro::Date& date) {
    const RowSun sun = rowSun(settings, date);
    std::vector<Event> events;
    for (auto event : {sunEvent(settings, date, astro::Sunrise, sun.sunrise),
                       sunEvent(settings, date, astro::Sunset, sun.sunset)}) {
        if (event) {
            events.push_back(std::move(*event));
        }
    }
    return events;
}

Event phaseEvent(const astro::PhaseInstant& phase) {
    const double quarter = static_cast<int>(phase.phase) / 4.0;
    const auto lunation = static_cast<long long>(
        std::llround((phase.julianDayUt - kNewMoonOf2000) / kMeanLunation - quarter));
    Event event;
    event.summary = phaseSummary(phase.phase);
    event.uid = "lunation" + std::to_string(lunation) + "-" + uidWord(phaseSummary(phase.phase)) +
                "@solvane-almanac";
    event.start = std::llround((phase.julianDayUt - astro::kUnixEpochJulianDay) * 86400);
    event.description = periodAfter(phase.phase);
    return event;
}

}  // namespace ics

int writeCalendar(std::FILE* file, const RowSettings& settings, IcsContent content,
                  const std::vector<astro::Date>& dates, long long days) {
    ics::CalendarOutput out(file, settings, content);
    out.write(ics::kCalendarBegin);
    constexpr long long kStretch = 366;
    if (days > 0) {
        for (long long done = 0; done < days && out.error() == 0; done += kStretch) {
            out.writeDays(astro::dateFromSerial(astro::daySerial(dates.front()) + done),
                          std::min(kStretch, days - done));
        }
    } else {
        // A date listed twice would give two events of one UID, which a calendar refuses.
        std::set<long long> written;
        for (const astro::Date& date : dates) {
            if (written.insert(astro::daySerial(date)).second && out.error() == 0) {
                out.writeDays(date, 1);
            }
        }
    }
    out.write(ics::kCalendarEnd);
    return out.error();
}

}  // namespace solvane::almanac
