#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# One end-to-end case: copies the program into a folder of its own with the case's prefs.cal
# (or none), runs it, and checks the messages it showed, what the window shows before and
# after a click on the next-year button, and that prefs.cal is byte for byte as it was.
# Usage: run-case.sh SOLVANE_E2E CASE
set -euo pipefail
binary=$1 case=$2
dir=$(cd "$(mktemp -d)" && pwd -P)
trap 'rm -rf "$dir"' EXIT
home=$dir     # the program's folder; the program runs with $dir as its working folder
limit=120     # a hang check only, generous for a loaded machine: speed is the benchmarks' business

colours='16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n'
now=2026-12-07T10:00:00
# A failed load ends the activation before it dates the months: the view keeps the layout's
# 2 May 2000 (the timer names the first month), and the next-year button still moves it.
undated=("STATE start first month: May 2000" "STATE start last month: Date Panel"
    "STATE next first month: January 2001" "STATE next last month: Date Panel")
boxes=()   # the distinct message lines expected, in any order
expect=()  # lines expected in the output
zone=()    # the program's own TZ and TZDIR, when the case sets them
case $case in
missing-prefs)
    boxes=("BOX error: Cannot open file $dir/prefs.cal")
    expect=("${undated[@]}")
    ;;
bad-colour)
    printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\nabc\r\n8388608\r\n12632256\r\n12632256\r\n' >"$dir/prefs.cal"
    boxes=("BOX error: 'abc' is not a valid integer value")
    expect=("${undated[@]}")
    ;;
bad-colour-place)
    # The file's place is read before the bad colour line stops the load, its offset is not:
    # times for that place at offset 0 would match no setting, so the strip shows none.
    printf '00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n16711680\r\nabc\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' >"$dir/prefs.cal"
    boxes=("BOX error: 'abc' is not a valid integer value")
    expect=("${undated[@]}" "STATE start sunrise: " "STATE start sunset: ")
    ;;
twelve-lines)
    printf "00\r\n\r\n\r\n\r\n${colours}two more\r\nlines\r\n" >"$dir/prefs.cal"
    expect=("STATE start first month: January 2026" "STATE start last month: December 2026"
        "STATE next first month: January 2027" "STATE next last month: December 2027")
    ;;
new-york)
    printf "00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n${colours}" >"$dir/prefs.cal"
    expect=("STATE start first month: January 2026" "STATE next first month: January 2027")
    ;;
bad-place)
    printf "00\r\nW\xb0west\r\nN\xb0north\r\n-5\r\n${colours}" >"$dir/prefs.cal"
    boxes=("BOX warning: Invalid N/S degrees in preferences."
        "BOX warning: Invalid W/E degrees in preferences.")
    expect=("STATE start first month: January 2026" "STATE next first month: January 2027")
    ;;
fifo-prefs)
    # A FIFO would block a reader for ever: the program must refuse it and go on.
    mkfifo "$dir/prefs.cal"
    boxes=("BOX error: Cannot open file $dir/prefs.cal: it is not a regular file")
    expect=("${undated[@]}")
    ;;
fifo-zone)
    # New York's zone file a FIFO in a copy of the zone folder: the C library would wait on it
    # for ever at the first local time (the script's own tools too, so only the program
    # gets them). The program starts on UTC's clock instead.
    mkdir -p "$dir/zoneinfo/America"
    cp /usr/share/zoneinfo/zone.tab /usr/share/zoneinfo/zone1970.tab "$dir/zoneinfo/"
    mkfifo "$dir/zoneinfo/America/New_York"
    zone=(TZ=America/New_York "TZDIR=$dir/zoneinfo")
    printf "00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n${colours}" >"$dir/prefs.cal"
    expect=("STATE start first month: January 2026" "STATE next first month: January 2027")
    ;;
huge-colour)
    { printf '00\r\n\r\n\r\n\r\n'; head -c 10000000 /dev/zero | tr '\0' 7; printf 'x\r\n'; } >"$dir/prefs.cal"
    boxes=("BOX error: Cannot open file $dir/prefs.cal: it is larger than 1 MiB")
    expect=("${undated[@]}")
    ;;
long-colour)
    { printf '00\r\n\r\n\r\n\r\n'; head -c 1000000 /dev/zero | tr '\0' 7; printf 'x\r\n'; } >"$dir/prefs.cal"
    boxes=("BOX error: '$(printf '7%.0s' {1..80})…' is not a valid integer value")
    expect=("${undated[@]}")
    ;;
non-utf8-folder)
    # A folder named in Latin-1: the program finds its prefs.cal there, not in the working
    # folder or at the root.
    home=$(printf '%s/caf\xe9' "$dir")
    mkdir "$home"
    printf "00\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n${colours}" >"$home/prefs.cal"
    expect=("STATE start first month: January 2026" "STATE next first month: January 2027")
    ;;
polar-june)
    now=2026-06-21T12:00:00
    printf "11\r\nE\xb015.65\r\nN\xb078.22\r\n1\r\n${colours}" >"$dir/prefs.cal"
    boxes=("BOX message: Sun up or down all day")
    expect=("STATE start first month: January 2026" "STATE next first month: January 2027")
    ;;
*)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac
cp "$binary" "$home/solvane"
[ -f "$home/prefs.cal" ] && cp "$home/prefs.cal" "$dir.before" && trap 'rm -rf "$dir" "$dir.before"' EXIT

status=0
started=$(date +%s%N)
# The user's calendars are looked for in folders of the case's own, never the real ones.
(cd "$dir" && env "${zone[@]}" XDG_CONFIG_HOME="$dir/config" XDG_CACHE_HOME="$dir/cache" timeout "$limit" "$home/solvane" "$now" 1500 >"$dir/out.txt" 2>"$dir/err.txt") || status=$?
echo "e2e $case: answered in $((($(date +%s%N) - started) / 1000000)) ms (limit ${limit} s)"
cat "$dir/out.txt"

fail() {
    echo "FAIL ($case): $*" >&2
    grep -v 'XDG_RUNTIME_DIR\|propagateSizeHints' "$dir/err.txt" >&2 || true
    exit 1
}
[ "$status" -eq 0 ] || fail "the program exited with status $status"
for line in "${expect[@]}" "STATE next visible: yes"; do
    grep -qxF -- "$line" "$dir/out.txt" || fail "missing: $line"
done
actual=$(grep '^BOX ' "$dir/out.txt" | sort -u || true)
wanted=$( ((${#boxes[@]})) && printf '%s\n' "${boxes[@]}" | sort -u || true)
[ "$actual" = "$wanted" ] || fail "messages differ; expected: ${wanted:-none}"
# Every activation reads the file again and fails again: at start and at the click.
if [ "${expect[0]}" = "${undated[0]}" ] && [ "$(grep -c '^BOX error: ' "$dir/out.txt")" -lt 2 ]; then
    fail "the error was not shown again at the next activation"
fi
if [ "$case" = new-york ] || [ "$case" = non-utf8-folder ]; then
    grep -qE '^STATE start sunrise: 7:[0-9]{2}A$' "$dir/out.txt" || fail "sunrise in New York"
    grep -qE '^STATE start sunset: 4:[0-9]{2}P$' "$dir/out.txt" || fail "sunset in New York"
fi

if [ -e "$dir.before" ]; then
    cmp -s "$dir.before" "$home/prefs.cal" || fail "prefs.cal was changed"
elif [ "$case" = fifo-prefs ]; then
    [ -p "$dir/prefs.cal" ] || fail "the FIFO was replaced"
else
    [ ! -e "$dir/prefs.cal" ] || fail "prefs.cal was created"
fi
echo "e2e $case: ok"
