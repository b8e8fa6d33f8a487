// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// solvane-icalendar-dump: the occurrences the iCalendar reader finds in files, one per line,
// in the form the reader's tests keep their expectations in; with --bench, the time the
// reading took instead. Not installed.
//   solvane-icalendar-dump [--zone IANA] [--from YYYY-MM-DD] [--until YYYY-MM-DD] [--bench N]
//   FILE...

#include <libical/ical.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "occurrence_text.h"
#include "reader.h"

namespace {

using namespace solvane::ical;

bool parseDate(const char* text, Date& date) {
    return std::sscanf(text, "%4d-%2d-%2d", &date.year, &date.month, &date.day) == 3;
}

double millisecondsSince(std::chrono::steady_clock::time_point begin) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
        .count();
}

void countInstance(icalcomponent*, struct icaltime_span*, void* data) {
    ++*static_cast<long*>(data);
}

icaltimetype midnightUtc(const Date& date) {
    icaltimetype time = icaltime_null_time();
    time.year = date.year;
    time.month = date.month;
    time.day = date.day;
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

// libical's own parse and expansion, as a program that uses it directly would do them.
void bare(const std::string& file, const Request& request) {
    std::ifstream stream(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(stream)),
                           std::istreambuf_iterator<char>());
    auto begin = std::chrono::steady_clock::now();
    icalcomponent* root = icalparser_parse_string(text.c_str());
    const double parse = millisecondsSince(begin);
    begin = std::chrono::steady_clock::now();
    long instances = 0;
    std::vector<icalcomponent*> calendars;
    if (root != nullptr && icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
             c != nullptr; c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(c);
        }
    } else if (root != nullptr) {
        calendars.push_back(root);
    }
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event != nullptr;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            icalcomponent_foreach_recurrence(event, midnightUtc(request.first),
                                             midnightUtc(request.until), countInstance, &instances);
        }
    }
    const double expand = millisecondsSince(begin);
    std::printf("parse_ms=%.1f expand_ms=%.1f total_ms=%.1f instances=%ld\n", parse, expand,
                parse + expand, instances);
    if (root != nullptr) {
        icalcomponent_free(root);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Request request;
    request.first = {2026, 1, 1};
    request.until = {2027, 1, 1};
    request.local.ianaName = "Europe/Berlin";
    int rounds = 0;
    int bareRounds = 0;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--zone") == 0 && hasValue) {
            request.local.ianaName = argv[++i];
        } else if (std::strcmp(argv[i], "--from") == 0 && hasValue) {
            parseDate(argv[++i], request.first);
        } else if (std::strcmp(argv[i], "--until") == 0 && hasValue) {
            parseDate(argv[++i], request.until);
        } else if (std::strcmp(argv[i], "--bench") == 0 && hasValue) {
            rounds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--bare") == 0 && hasValue) {
            bareRounds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--cap") == 0 && hasValue) {
            request.limits.occurrencesPerEvent = std::atoi(argv[++i]);
        } else {
            files.emplace_back(argv[i]);
        }
    }
    for (const std::string& file : files) {
        for (int round = 0; round < bareRounds; ++round) {
            bare(file, request);
        }
        if (bareRounds > 0) {
            continue;
        }
        if (rounds > 0) {
            for (int round = 0; round < rounds; ++round) {
                const auto begin = std::chrono::steady_clock::now();
                const ReadResult result = readCalendarFile(file, request);
                std::printf("read_ms=%.1f occurrences=%zu events=%d steps=%lld\n",
                            millisecondsSince(begin), result.occurrences.size(), result.events,
                            result.steps);
            }
            continue;
        }
        const ReadResult result = readCalendarFile(file, request);
        for (const Occurrence& occurrence : result.occurrences) {
            std::printf("%s\n", occurrenceLine(occurrence).c_str());
        }
        for (const Problem& problem : result.problems) {
            std::printf("problem\t%s\t%s\t%s\n", problemName(problem.kind), problem.uid.c_str(),
                        problem.detail.c_str());
        }
    }
    return 0;
}
