// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT

#include "events_arguments.h"

namespace solvane::almanac {

const char* const kEventsHelp =
    "\n"
    "Events:\n"
    "  --events FILE    an iCalendar (.ics) file; may be given more than once. Adds a last\n"
    "                   column, events: the summaries of the events on each date in the\n"
    "                   zone of --tz or --offset, all-day events first, then by start time,\n"
    "                   joined by \"; \". An event counts on every date it overlaps; one\n"
    "                   that ends at 00:00 does not count on that day. Floating times are\n"
    "                   read in that zone. A file that cannot be read exits with status 2;\n"
    "                   events lost from a damaged file are named on standard error\n";

EventsArguments takeEventsArguments(const std::vector<std::string>& arguments) {
    EventsArguments events;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--events=", 0) == 0) {
            events.files.push_back(argument.substr(9));
        } else if (argument != "--events") {
            events.rest.push_back(argument);
        } else if (i + 1 < arguments.size()) {
            events.files.push_back(arguments[++i]);
        } else if (events.error.empty()) {
            events.error = "option --events needs a value";
        }
    }
    return events;
}

}  // namespace solvane::almanac
