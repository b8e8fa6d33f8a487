// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// solvane-almanac: the calendar's sun, moon and ordinal-date computations for a list or a run
// of dates, as tab-separated text.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "moonphase.h"
#include "options.h"
#include "ordinal.h"
#include "sun.h"
#include "zone_options.h"

namespace {

using namespace solvane;

constexpr std::size_t kFlushThreshold = 1 << 16;

class Output {
public:
    ~Output() { flush(); }
    void append(const std::string& text) {
        buffer_ += text;
        if (buffer_.size() >= kFlushThreshold) {
            flush();
        }
    }
    void flush() {
        if (!buffer_.empty() &&
            std::fwrite(buffer_.data(), 1, buffer_.size(), stdout) != buffer_.size()) {
            failed_ = true;
        }
        buffer_.clear();
    }
    bool ok() {
        flush();
        return !failed_ && std::fflush(stdout) == 0;
    }

private:
    std::string buffer_;
    bool failed_ = false;
};

// The messages once each, in the order they first appear.
std::string notesText(const std::vector<std::string>& messages) {
    std::vector<std::string> distinct;
    std::string text;
    for (const std::string& message : messages) {
        if (std::find(distinct.begin(), distinct.end(), message) == distinct.end()) {
            text += (distinct.empty() ? "" : " | ") + message;
            distinct.push_back(message);
        }
    }
    return text;
}

// One line; a fresh sun computation per date, so no time carries over from another date.
std::string row(const almanac::Options& options, const astro::Date& date) {
    const auto shown = almanac::sunTimes(options, date);
    const double angle = astro::moonPhaseAngle(astro::DateTime{date, 18, 0, 0, 0});
    char angleText[64];
    std::snprintf(angleText, sizeof angleText, "%.6f", angle);
    return astro::formatDate(date, "yyyy-mm-dd") + '\t' +
           astro::ordinalText(astro::yearText(date), astro::dayOfYear(date)) + '\t' +
           shown.sunrise + '\t' + shown.sunset + '\t' + angleText + '\t' +
           std::to_string(astro::moonPicture(angle)) + '\t' + notesText(shown.messages) + '\n';
}

int run(const almanac::Options& options) {
    Output out;
    out.append("date\tjulian\tsunrise\tsunset\tmoon_phase\tmoon_picture\tnotes\n");
    if (options.days > 0) {
        const long long first = astro::daySerial(options.dates.front());
        for (long long i = 0; i < options.days; ++i) {
            out.append(row(options, astro::dateFromSerial(first + i)));
        }
    } else {
        for (const astro::Date& date : options.dates) {
            out.append(row(options, date));
        }
    }
    if (!out.ok()) {
        std::fputs("solvane-almanac: cannot write the output\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const almanac::ParseResult parsed = almanac::parseOptions(arguments);
    if (std::holds_alternative<almanac::ShowHelp>(parsed)) {
        std::fputs(almanac::kUsage, stdout);
        std::fputs(almanac::kHelp, stdout);
        std::fputs(almanac::kZoneHelp, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (std::holds_alternative<almanac::ShowVersion>(parsed)) {
        std::fputs(almanac::kVersionText, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (const auto* refusal = std::get_if<almanac::Refusal>(&parsed)) {
        std::fputs(refusal->message.c_str(), stderr);
        if (refusal->withUsage) {
            std::fputs(almanac::kUsage, stderr);
        }
        return 2;
    }
    return run(std::get<almanac::Options>(parsed));
}
