// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// solvane-almanac: the calendar's sun, moon and ordinal-date computations for a list or a run
// of dates, as tab-separated text.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "events_column.h"
#include "ics_writer.h"
#include "local_time.h"
#include "options.h"
#include "ordinal.h"
#include "phase_lines.h"
#include "rows.h"
#include "zone_options.h"

namespace {

using namespace solvane;

// The lines gather in one buffer that goes out whole when it is nearly full.
class Output {
public:
    char* room() {
        if (sizeof buffer_ - used_ < almanac::kMaxRowSize) {
            flush();
        }
        return buffer_ + used_;
    }
    void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_); }
    void flush() {
        if (used_ != 0 && std::fwrite(buffer_, 1, used_, stdout) != used_) {
            error_ = errno;
        }
        used_ = 0;
    }
    // Text of any length after what was committed.
    void append(const std::string& text) {
        if (sizeof buffer_ - used_ < text.size() + almanac::kMaxRowSize) {
            flush();
        }
        if (text.size() + almanac::kMaxRowSize > sizeof buffer_) {
            if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
                error_ = errno;
            }
            return;
        }
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }
    // The error of the first failed write, or 0.
    int error() const { return error_; }
    int finish() {
        flush();
        if (error_ == 0 && std::fflush(stdout) != 0) {
            error_ = errno;
        }
        return error_;
    }

private:
    char buffer_[1 << 16];
    std::size_t used_ = 0;
    int error_ = 0;
};

// A full disk or a closed pipe must not pass for success.
int writeFailure(int error) {
    std::fprintf(stderr, "solvane-almanac: cannot write the output: %s\n", std::strerror(error));
    return 1;
}

// The phases of a run go out a stretch of days at a time, so that no run holds them all.
void writePhases(Output& out, const almanac::RowSettings& settings, astro::Date first,
                 long long days) {
    constexpr long long kStretch = 4096;
    for (long long done = 0; done < days && out.error() == 0; done += kStretch) {
        const long long count = days - done < kStretch ? days - done : kStretch;
        const astro::Date from = astro::dateFromSerial(astro::daySerial(first) + done);
        for (const astro::PhaseInstant& phase : almanac::phasesOfDays(settings, from, count)) {
            out.commit(almanac::writePhaseLine(out.room(), settings, phase));
        }
    }
}

// With --events each line ends in the events column instead of its line feed.
void endRow(Output& out, char* end, const almanac::EventsColumn* events, const astro::Date& date) {
    if (events == nullptr) {
        out.commit(end);
        return;
    }
    end[-1] = '\t';
    out.commit(end);
    out.append(events->textOn(date) + '\n');
}

// Today's date on the almanac's clock, for a calendar asked for without dates.
astro::Date today(const almanac::RowSettings& settings) {
    const auto now = static_cast<std::int64_t>(std::time(nullptr));
    const std::int64_t local = now + almanac::offsetAtInstant(settings, now);
    return astro::dateFromSerial(local / 86400 - (local % 86400 < 0 ? 1 : 0) + 25569);
}

int writeIcs(const almanac::Options& options, const almanac::RowSettings& settings) {
    constexpr long long kDaysFromToday = 366;
    const bool fromToday = options.dates.empty();
    const int error = almanac::writeCalendar(
        stdout, settings, options.icsContent,
        fromToday ? std::vector<astro::Date>{today(settings)} : options.dates,
        fromToday ? kDaysFromToday : options.days);
    return error == 0 && std::fflush(stdout) == 0 ? 0 : writeFailure(error != 0 ? error : errno);
}

int run(const almanac::Options& options, const almanac::EventsColumn* events) {
    const almanac::RowSettings settings{astro::Observer(options.latitude, -options.longitudeNumber),
                                        options.gmtOffset, options.military,
                                        options.zone ? &*options.zone : nullptr};
    if (options.ics) {
        return writeIcs(options, settings);
    }
    static Output out;
    if (options.phases) {
        if (options.days > 0) {
            writePhases(out, settings, options.dates.front(), options.days);
        } else {
            for (const astro::Date& date : options.dates) {
                writePhases(out, settings, date, 1);
            }
        }
        const int error = out.finish();
        return error == 0 ? 0 : writeFailure(error);
    }
    char* header = out.room();
    out.commit(std::strcpy(header, almanac::kHeader) + std::strlen(almanac::kHeader));
    if (events != nullptr) {
        out.commit(header + std::strlen(almanac::kHeader) - 1);
        out.append("\tevents\n");
    }
    if (options.days > 0) {
        astro::Date date = options.dates.front();
        int dayOfYear = astro::dayOfYear(date);
        for (long long i = 0; i < options.days && out.error() == 0; ++i) {
            endRow(out, almanac::writeRow(out.room(), settings, date, dayOfYear), events, date);
            almanac::advanceDay(date, dayOfYear);
        }
    } else {
        for (const astro::Date& date : options.dates) {
            endRow(out, almanac::writeRow(out.room(), settings, date, astro::dayOfYear(date)),
                   events, date);
        }
    }
    const int error = out.finish();
    return error == 0 ? 0 : writeFailure(error);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const almanac::EventsArguments events = almanac::takeEventsArguments(arguments);
    if (!events.error.empty()) {
        std::fprintf(stderr, "solvane-almanac: %s\n%s", events.error.c_str(), almanac::kUsage);
        return 2;
    }
    const almanac::ParseResult parsed = almanac::parseOptions(events.rest);
    if (std::holds_alternative<almanac::ShowHelp>(parsed)) {
        std::fputs(almanac::kUsage, stdout);
        std::fputs(almanac::kHelp, stdout);
        std::fputs(almanac::kZoneHelp, stdout);
        std::fputs(almanac::kEventsHelp, stdout);
        // A help longer than stdio's buffer meets a full disk before the flush: the stream's
        // error flag keeps what the flush alone would not report.
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : writeFailure(errno);
    }
    if (std::holds_alternative<almanac::ShowVersion>(parsed)) {
        std::fputs(almanac::kVersionText, stdout);
        return std::fflush(stdout) == 0 ? 0 : writeFailure(errno);
    }
    if (const auto* refusal = std::get_if<almanac::Refusal>(&parsed)) {
        std::fputs(refusal->message.c_str(), stderr);
        if (refusal->withUsage) {
            std::fputs(almanac::kUsage, stderr);
        }
        return 2;
    }
    // The lines leave in whole buffers of their own.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const auto& options = std::get<almanac::Options>(parsed);
    // Both the rows and the events column read the zone's clock.
    if (options.zone) {
        almanac::useZoneClock(*options.zone);
    }
    if (events.files.empty()) {
        return run(options, nullptr);
    }
    return almanac::runWithEvents(argv, events, options, run);
}
