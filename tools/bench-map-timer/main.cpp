// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Starts a program and prints the milliseconds until the X server maps its first window with
// the given title, then the program's process id; the program is left running, writing to
// this program's standard error. A second line, "launched_monotonic_ms=T", gives the moment of
// the start on the monotonic clock (steady_clock on Linux), so that moments the program
// itself logs on that clock can be counted from its launch. The map is
// seen as the server's own notification, so the figure is as fine as the clock, where polling
// with xdotool would add several milliseconds of its own at random.
//
// Usage: bench-map-timer TITLE PROGRAM [ARGUMENT...]
//   TITLE    the start of the window's title ("Solvane")
// Needs a display without a window manager (the windows are then the root's children).
// Exit status: 0 when the window came, 1 when the program ended first or 10 s passed, 2 on a
// usage or display error.

#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::string windowTitle(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// On a machine of few cores the program, busy from the moment its window is up, would keep
// this watch from running and the map would be read late, by as much as the program's
// work after the map takes. Run first whenever there is something to read (the program keeps
// the ordinary scheduling it started with); where the system does not allow it, say so.
void watchAtOnce() {
    sched_param priority{};
    priority.sched_priority = 10;
    if (sched_setscheduler(0, SCHED_FIFO, &priority) != 0)
        std::fputs("bench-map-timer: no real-time priority; maps may be read late\n", stderr);
}

bool processEnded(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: bench-map-timer TITLE PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("bench-map-timer: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    // The selection is in force before the program starts, so no map can be missed.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    // The program writes to our standard error, so that our output holds only the figures and
    // ends when we do.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    const int spawned = posix_spawnp(&pid, argv[2], &actions, nullptr, argv + 2, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::perror("bench-map-timer: cannot start the program");
        return 2;
    }
    watchAtOnce();
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() - start < std::chrono::seconds(10)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window =
                mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
            std::free(event);
            if (!mapped)
                continue;
            const auto elapsed = Clock::now() - start;
            if (windowTitle(connection, window).rfind(title, 0) == 0) {
                const double ms = std::chrono::duration<double, std::milli>(elapsed).count();
                const double launched =
                    std::chrono::duration<double, std::milli>(start.time_since_epoch()).count();
                std::printf("%.2f %d\nlaunched_monotonic_ms=%.3f\n", ms, int(pid), launched);
                return 0;
            }
        }
        if (xcb_connection_has_error(connection) || processEnded(pid))
            break;
        poll(&watched, 1, 5);
    }
    std::fputs("bench-map-timer: no window came\n", stderr);
    return 1;
}
