// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// solvane-almanac: the calendar's sun, moon and ordinal-date computations for a list or a run
// of dates, as tab-separated text.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "options.h"
#include "ordinal.h"
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

int run(const almanac::Options& options) {
    const almanac::RowSettings settings{astro::Observer(options.latitude, -options.longitudeNumber),
                                        options.gmtOffset, options.military,
                                        options.zone ? &*options.zone : nullptr};
    if (options.zone) {
        almanac::useZoneClock(*options.zone);
    }
    static Output out;
    out.commit(std::strcpy(out.room(), almanac::kHeader) + std::strlen(almanac::kHeader));
    if (options.days > 0) {
        astro::Date date = options.dates.front();
        int dayOfYear = astro::dayOfYear(date);
        for (long long i = 0; i < options.days && out.error() == 0; ++i) {
            out.commit(almanac::writeRow(out.room(), settings, date, dayOfYear));
            almanac::advanceDay(date, dayOfYear);
        }
    } else {
        for (const astro::Date& date : options.dates) {
            out.commit(almanac::writeRow(out.room(), settings, date, astro::dayOfYear(date)));
        }
    }
    const int error = out.finish();
    return error == 0 ? 0 : writeFailure(error);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const almanac::ParseResult parsed = almanac::parseOptions(arguments);
    if (std::holds_alternative<almanac::ShowHelp>(parsed)) {
        std::fputs(almanac::kUsage, stdout);
        std::fputs(almanac::kHelp, stdout);
        std::fputs(almanac::kZoneHelp, stdout);
        return std::fflush(stdout) == 0 ? 0 : writeFailure(errno);
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
    return run(std::get<almanac::Options>(parsed));
}
