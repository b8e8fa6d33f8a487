# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# What the end-to-end runs on a virtual X display share; each run sources it.
#   x_session BINARY   makes the run's own folder ($dir) with a copy of the program and a
#                      default prefs.cal beside it, stops every process in $pids and removes
#                      the folder on exit, and starts Xvfb on a free display of its own,
#                      exported as DISPLAY ($number is its number).
#   wait_for WHAT COMMAND...  up to 60 s for COMMAND to succeed, a hang check on a loaded
#                      machine; on failure calls the run's own `fail WHAT` where it has one,
#                      else says WHAT and shows the start of $log, if set.
#   window_shown       the year window is on screen.

x_session_cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Only what the run started and stopped: a helper of the session's own may outlive it.
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$dir"
}

x_session() {
    local binary=$1
    dir=$(cd "$(mktemp -d)" && pwd -P)
    pids=()
    trap x_session_cleanup EXIT
    cp "$binary" "$dir/solvane"
    printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' \
        >"$dir/prefs.cal"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # On a real X display, libxkbcommon-x11 reads a counted name with strndup, which the
    # sanitizer build's strict string checks take for an overflow in that library; our own
    # code keeps them.
    [[ -n ${ASAN_OPTIONS:-} ]] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
    # -noreset: a run that restarts the program leaves the server without clients a moment.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$dir/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 600); do [[ -s $dir/display ]] && break; sleep 0.1; done
    [[ -s $dir/display ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
    number=$(cat "$dir/display")
    export DISPLAY=:$number
}

wait_for() {
    local what=$1
    shift
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    declare -F fail >/dev/null && fail "$what"
    echo "FAIL: $what"
    [[ -n ${log:-} && -f $log ]] && head -n 40 "$log"
    exit 1
}

window_shown() { xdotool search --onlyvisible --name 'Julian' >/dev/null 2>&1; }
