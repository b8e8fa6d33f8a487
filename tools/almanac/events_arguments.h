// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The almanac's --events FILE arguments, taken apart from the others. The programs with and
// without the iCalendar reader both need them: the one without hands such a command line over.

#include <string>
#include <vector>

namespace solvane::almanac {

struct EventsArguments {
    std::vector<std::string> files;
    std::vector<std::string> rest;  // every other argument, in order
    std::string error;              // a usage error, empty when none
};

EventsArguments takeEventsArguments(const std::vector<std::string>& arguments);

extern const char* const kEventsHelp;

}  // namespace solvane::almanac
