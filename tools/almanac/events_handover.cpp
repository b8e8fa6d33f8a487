// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The almanac has no iCalendar reader of its own: libical and ICU would cost a run for one
// date several times its work just to be loaded and bound. A command line with --events
// goes, unchanged, to the same almanac built with the reader,
// solvane-almanac-events, which lives beside it in the build tree and in the program's own
// folder once installed.

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "events_column.h"

namespace solvane::almanac {
namespace {

constexpr const char* kEventsProgram = "solvane-almanac-events";

// The folder of this program's own file, links resolved; empty when it cannot be known.
std::string ownFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length == sizeof path) {
        return {};
    }
    const std::string self(path, static_cast<std::size_t>(length));
    return self.substr(0, self.rfind('/'));
}

}  // namespace

int runWithEvents(char** argv, const EventsArguments& /*events*/, const Options& /*options*/,
                  RowsRun /*run*/) {
    const std::string folder = ownFolder();
    int error = ENOENT;
    if (!folder.empty()) {
        for (const char* relative : {"", SOLVANE_EVENTS_PROGRAM_FOLDER "/"}) {
            const std::string program = folder + '/' + relative + kEventsProgram;
            execv(program.c_str(), argv);  // returns only when it could not be started
            error = errno;
            if (error != ENOENT) {
                break;
            }
        }
    }
    std::fprintf(stderr, "solvane-almanac: --events needs %s, which cannot be started: %s\n",
                 kEventsProgram, std::strerror(error));
    return 2;
}

}  // namespace solvane::almanac
