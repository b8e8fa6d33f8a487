// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Reads arbitrary bytes as an iCalendar file over a year, as the window and the almanac do.
// Whatever the bytes, the reader must return (no crash, no hang, no read out of bounds) with
// occurrences that lie in the range asked for, end no earlier than they start, come in
// order, and keep to the cap on instances per event and the file's step budget.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

#include "reader.h"

namespace {

using namespace solvane::ical;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz_icalendar: %s\n", what);
    std::abort();
}

Request requestFor(const char* zone) {
    Request request;
    request.first = {2026, 1, 1};
    request.until = {2027, 1, 1};
    request.local.ianaName = zone;
    // Small bounds, so that each input costs milliseconds.
    request.limits.occurrencesPerEvent = 100;
    request.limits.recurrenceSteps = 2000;
    return request;
}

void check(const Request& request, const ReadResult& result) {
    if (result.steps > request.limits.recurrenceSteps) {
        fail("the step budget was overspent");
    }
    std::map<std::pair<std::string, int>, int> perEvent;
    const Occurrence* previous = nullptr;
    for (const Occurrence& occurrence : result.occurrences) {
        if (occurrence.end < occurrence.start || occurrence.endDate < occurrence.startDate) {
            fail("an occurrence ends before it starts");
        }
        if (occurrence.startDate >= request.until || occurrence.endDate < request.first) {
            fail("an occurrence outside the range");
        }
        if (occurrence.calendar < 0 ||
            occurrence.calendar >= static_cast<int>(result.calendars.size())) {
            fail("an occurrence of no calendar");
        }
        if (previous != nullptr && occurrence.startDate < previous->startDate) {
            fail("occurrences out of order");
        }
        previous = &occurrence;
        // Several VEVENTs may share a UID, each with its own cap, and a cap is per rule set.
        ++perEvent[{occurrence.uid, occurrence.calendar}];
    }
    for (const auto& [event, count] : perEvent) {
        if (count > request.limits.occurrencesPerEvent * (result.events + 1)) {
            fail("more instances of one UID than its events may have");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* zone : {"Europe/Berlin", ""}) {
        const Request request = requestFor(zone);
        check(request, readCalendar(bytes, request));
    }
    return 0;
}
