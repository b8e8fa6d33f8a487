#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Another local user cannot stop Solvane from starting: a program of theirs listening where
# the one-instance socket would be (under the name in the shared temporary folder, in a folder
# they made there first, or in their runtime folder that su left in the environment) gets no
# hand-over, and the program opens its window. Runs the real program on a virtual display, with
# `nobody` as the other user; skipped unless run as root.
# Usage: other-user.sh SOLVANE
set -euo pipefail
binary=$1
[[ $(id -u) == 0 ]] || { echo "SKIP: needs root to act as a second user"; exit 77; }
for tool in Xvfb xdotool setpriv perl; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
other=$(id -u nobody 2>/dev/null) || { echo "SKIP: no user nobody"; exit 77; }
source "$(dirname "$0")/x_session.sh"
x_session "$binary"
chmod 755 "$dir"

as_other=(setpriv --reuid="$other" --regid="$other" --clear-groups)
# The other user's program: listens at PATH and notes every connection in LOG.
listen_as_other() {
    "${as_other[@]}" perl -MIO::Socket::UNIX -e '
        my ($path, $log) = @ARGV;
        umask 0;
        my $server = IO::Socket::UNIX->new(Type => SOCK_STREAM(), Local => $path, Listen => 5)
            or die "cannot listen on $path: $!\n";
        open(my $notes, ">", $log) or die "cannot write $log: $!\n";
        $notes->autoflush(1);
        while (my $peer = $server->accept) { print $notes "connection\n"; close $peer; }
    ' "$1" "$2" &
    pids+=($!)
    for _ in $(seq 50); do [[ -S $1 ]] && return 0; sleep 0.1; done
    echo "FAIL: the other user's program did not start listening on $1"
    exit 1
}

failures=0
for case in "name in the shared folder" "folder made first by the other user" \
    "runtime folder of the other user"; do
    shared=$dir/tmp-$RANDOM
    mkdir -m 1777 "$shared"  # a shared temporary folder, as /tmp is
    runtime=
    case $case in
    "name in the shared folder") socket=$shared/solvane-0-_$number.socket ;;
    "folder made first by the other user")
        "${as_other[@]}" mkdir -m 0777 "$shared/solvane-0"
        socket=$shared/solvane-0/solvane-_$number.socket
        ;;
    "runtime folder of the other user")
        "${as_other[@]}" mkdir -m 0700 "$shared/run-other"
        runtime=$shared/run-other
        socket=$runtime/solvane-_$number.socket
        ;;
    esac
    listen_as_other "$socket" "$shared/connections"
    status=running
    (
        export TMPDIR=$shared
        if [[ -n $runtime ]]; then export XDG_RUNTIME_DIR=$runtime; else unset XDG_RUNTIME_DIR; fi
        exec "$dir/solvane" >"$shared/solvane.log" 2>&1
    ) &
    program=$!
    pids+=($program)
    for _ in $(seq 600); do
        window_shown && break
        kill -0 "$program" 2>/dev/null || { status=ended; break; }
        sleep 0.1
    done
    if [[ $status == ended ]]; then
        wait "$program" && code=0 || code=$?
        echo "FAIL ($case): the program ended with status $code and no window"
        failures=$((failures + 1))
    elif ! window_shown; then
        echo "FAIL ($case): no window after 60 s"
        failures=$((failures + 1))
    elif [[ -s $shared/connections ]]; then
        echo "FAIL ($case): the program connected to the other user's program"
        failures=$((failures + 1))
    else
        echo "ok ($case): the window shows"
    fi
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    for _ in $(seq 50); do window_shown || break; sleep 0.1; done
done
((failures == 0)) && echo "PASS"
exit $((failures > 0))
