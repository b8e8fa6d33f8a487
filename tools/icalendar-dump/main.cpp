// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

// solvane-icalendar-dump: the occurrences the iCalendar reader finds in files, one per line,
// in the form the reader's tests keep their expectations in; with --bench, the time the
// reading took instead. Not installed.
//   solvane-icalendar-dump [--zone IANA] [--from YYYY-MM-DD] [--until YYYY-MM-DD] [--bench N]
//   FILE...

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "occurrence_text.h"
#include "reader.h"

namespace {

using namespace solvane::ical;

bool parseDate(const char* text, Date& date) {
    return std::sscanf(text, "%4d-%2d-%2d", &date.year, &date.month, &date.day) == 3;
}

}  // namespace

int main(int argc, char** argv) {
    Request request;
    request.first = {2026, 1, 1};
    request.until = {2027, 1, 1};
    request.local.ianaName = "Europe/Berlin";
    int rounds = 0;
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
        } else if (std::strcmp(argv[i], "--cap") == 0 && hasValue) {
            request.limits.occurrencesPerEvent = std::atoi(argv[++i]);
        } else {
            files.emplace_back(argv[i]);
        }
    }
    for (const std::string& file : files) {
        if (rounds > 0) {
            for (int round = 0; round < rounds; ++round) {
                const auto begin = std::chrono::steady_clock::now();
                const ReadResult result = readCalendarFile(file, request);
                const std::chrono::duration<double, std::milli> took =
                    std::chrono::steady_clock::now() - begin;
                std::printf("read_ms=%.1f occurrences=%zu events=%d steps=%lld\n", took.count(),
                            result.occurrences.size(), result.events, result.steps);
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
