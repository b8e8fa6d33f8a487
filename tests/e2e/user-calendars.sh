#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The user's calendars end to end, as a user meets them, with the real program on a virtual
# display: `solvane --holidays Holidays.ics` given to a running Solvane puts the file in
# calendars.json (once, however often it is given) and writes the holiday's number in red;
# hovering the day shows its events, and a click shows them under it until the next key. A
# subscription served over HTTPS on 127.0.0.1 (a certificate made here, trusted through
# SOLVANE_EXTRA_CA_FILE) shows, shows again after a restart with the server gone, and follows
# the server's new copy at the next refresh (SOLVANE_REFRESH_SECONDS makes that seconds); a
# server whose certificate is not trusted leaves a TLS error on its calendar and the others
# showing.
# With SOLVANE_SCREENSHOT set, the screen with the holiday's tooltip is saved there.
# Usage: user-calendars.sh SOLVANE MAKE_TEST_CERTS RED_PIXELS
set -euo pipefail
binary=$1
make_certs=$2
red_tool=$3
for tool in Xvfb xdotool xprop import openssl python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$(dirname "$0")/x_session.sh"
x_session "$binary"
fail() {
    echo "FAIL: $*"
    [[ -s $dir/first.log ]] && head -n 40 "$dir/first.log"
    [[ -s $dir/config/solvane/calendars.json ]] && cat "$dir/config/solvane/calendars.json"
    exit 1
}

mkdir -p "$dir/bin" "$dir/home" "$dir/config" "$dir/cache" "$dir/data" "$dir/www"
mkdir -m 700 "$dir/run"
mv "$dir/solvane" "$dir/prefs.cal" "$dir/bin/"
"$make_certs" "$dir/certs"
export HOME=$dir/home XDG_CONFIG_HOME=$dir/config XDG_CACHE_HOME=$dir/cache
export XDG_DATA_HOME=$dir/data XDG_RUNTIME_DIR=$dir/run
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC
export SOLVANE_EXTRA_CA_FILE=$dir/certs/trusted.pem SOLVANE_REFRESH_SECONDS=2
list=$dir/config/solvane/calendars.json

window() { xdotool search --onlyvisible --name 'Julian' 2>/dev/null | head -n 1; }
shot() { import -window "$(window)" "png:$1"; }
# Pixels far redder than green or blue: the holiday ink (and today's ring); with a second
# image, only those that were not red there.
red_pixels() { read -r count _ < <("$red_tool" "$@") && echo "$count"; }
redder_than() { shot "$dir/now.png" && (($(red_pixels "$dir/now.png") > $1)); }
# list_says PYTHON-EXPRESSION: true when the expression holds of the list's calendars `c`.
list_says() {
    [[ -s $list ]] && python3 - "$list" "$1" <<'EOF'
import json, sys
c = json.load(open(sys.argv[1]))["calendars"]
sys.exit(0 if eval(sys.argv[2]) else 1)
EOF
}
start_first() {  # start_first ARGUMENTS...
    "$dir/bin/solvane" "$@" >>"$dir/first.log" 2>&1 &
    app=$!
    pids+=($app)
    wait_for "the window shows" window >/dev/null
    sleep 1  # the first paint and the list read
}
second_start() {  # second_start ARGUMENTS...: a later start, which must hand over at once
    local status=0
    (cd "$dir/www" && timeout 60 "$dir/bin/solvane" "$@") >"$dir/second.log" 2>&1 || status=$?
    [[ $status == 0 ]] || { cat "$dir/second.log"; fail "the later start ended with $status"; }
}
# An all-day event on MONTH-DAY of this year, the day not today's number (the selected one).
year=$(date +%Y)
day=10
[[ $(date +%d) == 10 ]] && day=11
ics() {  # ics UID SUMMARY MONTH
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane e2e//EN\r\nBEGIN:VEVENT\r\n'
    printf 'UID:%s\r\nDTSTAMP:%s0101T000000Z\r\nDTSTART;VALUE=DATE:%s%s%s\r\n' "$1" "$year" \
        "$year" "$3" "$day"
    printf 'SUMMARY:%s\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' "$2"
}
serve() {  # serve CERTIFICATE PORT PORTFILE: an HTTPS server of the www folder
    python3 - "$dir/www" "$dir/certs/$1.pem" "$dir/certs/$1.key" "$2" "$3" <<'EOF' &
import functools, http.server, ssl, sys
root, cert, key, port, portfile = sys.argv[1:6]
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=root)
server = http.server.ThreadingHTTPServer(("127.0.0.1", int(port)), handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
with open(portfile, "w") as f:
    f.write(str(server.server_address[1]))
server.serve_forever()
EOF
    server=$!
    pids+=($server)
    wait_for "the HTTPS server listens" test -s "$3"
}

# --- A holiday file handed to the running program.
start_first
shot "$dir/base.png"
base=$(red_pixels "$dir/base.png")
ics holiday-1 'Founders Day' 07 >"$dir/www/Holidays.ics"
second_start --holidays Holidays.ics
wait_for "the file is in calendars.json" \
    list_says "len(c) == 1 and c[0]['location'] == '$dir/www/Holidays.ics' and c[0]['holidays']"
wait_for "the holiday's number is red" redder_than "$base"
cp "$dir/now.png" "$dir/holiday.png"
with_holiday=$(red_pixels "$dir/holiday.png")
second_start "$dir/www/Holidays.ics"
sleep 1
list_says "len(c) == 1" || fail "the same file given again is listed twice"
echo "holiday file: red pixels $base before, $with_holiday after"

# Hovering the holiday shows its events in a tooltip window.
# The day is where red pixels came.
read -r _ x y w h < <("$red_tool" "$dir/holiday.png" "$dir/base.png")
xdotool mousemove --window "$(window)" $((x + w / 2)) $((y + h / 2))
tooltip() {
    local id
    for id in $(xdotool search --onlyvisible --classname solvane 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && return 0
    done
    return 1
}
wait_for "hovering the holiday shows a tooltip" tooltip
sleep 0.5
if [[ -n ${SOLVANE_SCREENSHOT:-} ]]; then
    eval "$(xdotool getwindowgeometry --shell "$(window)")"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$SOLVANE_SCREENSHOT"
fi
xdotool mousemove 0 0

# --- A subscription over HTTPS, trusted through the test's own authority.
ics harvest-1 'Harvest Festival' 08 >"$dir/www/sub.ics"
serve trusted 0 "$dir/port"
good=$server
port=$(cat "$dir/port")
second_start --holidays "https://127.0.0.1:$port/sub.ics"
wait_for "the subscription is fetched" list_says \
    "len(c) == 2 and c[1]['holidays'] and 'lastRefresh' in c[1] and 'lastError' not in c[1]"
wait_for "the subscription's holiday is red" redder_than "$with_holiday"
with_both=$(red_pixels "$dir/now.png")
echo "subscription: red pixels $with_both"

# A server the program does not trust: a clear error on that calendar, the others still shown.
serve stranger 0 "$dir/port-stranger"
second_start "https://127.0.0.1:$(cat "$dir/port-stranger")/sub.ics"
wait_for "the untrusted server's calendar says why" \
    list_says "len(c) == 3 and c[2].get('lastError', {}).get('kind') == 'tls'"
python3 -c 'import json,sys; print("untrusted:", json.load(open(sys.argv[1]))["calendars"][2]["lastError"])' "$list"
shot "$dir/now.png"
(($(red_pixels "$dir/now.png") == with_both)) || fail "the other calendars changed with the error"

# --- A restart with the server gone: the subscription shows from the cache. The file given
# again on the command line is not listed twice.
kill "$good"
wait "$good" 2>/dev/null || true
kill "$app"
wait "$app" 2>/dev/null || true
[[ -z $(window) ]] || fail "the program did not end"
start_first "$dir/www/Holidays.ics"
wait_for "the cached subscription shows after the restart" redder_than $((with_both - 1))
shot "$dir/restarted.png"
list_says "len(c) == 3" || fail "the file given at the restart is listed twice"

# --- The server's copy changes: the next refresh shows the new one.
ics harvest-1 'Harvest Festival, moved' 09 >"$dir/www/sub.ics"
serve trusted "$port" "$dir/port-again"
changed() {  # a red day moved, and the cache holds the new copy
    shot "$dir/now.png"
    (($(red_pixels "$dir/now.png" "$dir/restarted.png") > 0)) &&
        (($(red_pixels "$dir/restarted.png" "$dir/now.png") > 0)) &&
        grep -rqs 'moved' "$dir/cache/solvane"
}
wait_for "the refresh shows the server's new copy" changed
list_says "'lastError' not in c[1]" || fail "the refreshed subscription still has an error"

# --- A click on the holiday shows its events under it until the next key.
xdotool mousemove --window "$(window)" $((x + w / 2)) $((y + h / 2)) click 1
wait_for "a click on the holiday shows its events" tooltip
xdotool key Right
no_tooltip() { ! tooltip; }
wait_for "the next key closes the day's events" no_tooltip
echo "PASS"
