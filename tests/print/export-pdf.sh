#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# solvane --export-pdf as a user runs it, without a display: for 2027 at Berlin in German, at
# New York in English on the locale's paper (Letter) and at Sydney on A3 standing up, each place
# the zone's city. poppler's tools read the page back: one page of the paper asked for, every
# font embedded, the twelve month names, the week numbers and the holidays of the user's holiday
# calendar in its text; without a holiday calendar, no holidays. Bad arguments and a file that
# cannot be written end with 2 and a message. Skipped (77) without poppler-utils.
set -u
binary=$1
for tool in pdfinfo pdffonts pdftotext; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (poppler-utils)"; exit 77; }
done
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$binary" "$dir/solvane"
# No place saved: the zone's city and its clock are in force.
printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' >"$dir/prefs.cal"
# The user's calendars: a holiday file, the same file hidden, and a calendar of other events,
# whose names are no holidays.
mkdir -p "$dir/xdg/solvane"
cat >"$dir/holidays.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Solvane tests//EN
BEGIN:VEVENT
UID:christmas@test
DTSTAMP:20260101T000000Z
DTSTART;VALUE=DATE:20201225
RRULE:FREQ=YEARLY
SUMMARY:Christmas Day
END:VEVENT
BEGIN:VEVENT
UID:new-year@test
DTSTAMP:20260101T000000Z
DTSTART;VALUE=DATE:20270101
SUMMARY:New Year's Day
END:VEVENT
BEGIN:VEVENT
UID:whit@test
DTSTAMP:20260101T000000Z
DTSTART;VALUE=DATE:20270517
SUMMARY:Pfingstmontag
END:VEVENT
BEGIN:VEVENT
UID:may@test
DTSTAMP:20260101T000000Z
DTSTART;VALUE=DATE:20270501
SUMMARY:Labour Day
END:VEVENT
END:VCALENDAR
ICS
sed -e 's/Christmas Day/Hidden Feast/' -e 's/New Year.s Day/Hidden Fast/' -e 's/Pfingstmontag/Hidden Fine/' \
    -e 's/Labour Day/Hidden Fair/' "$dir/holidays.ics" >"$dir/hidden.ics"
sed -e 's/Christmas Day/Dentist/' -e 's/New Year.s Day/Haircut/' -e 's/Pfingstmontag/Office/' \
    -e 's/Labour Day/Football/' "$dir/holidays.ics" >"$dir/other.ics"
cat >"$dir/xdg/solvane/calendars.json" <<JSON
{"format": 1, "calendars": [
 {"id": "h", "kind": "file", "location": "$dir/holidays.ics", "name": "Holidays",
  "colour": "#cc0000", "shown": true, "holidays": true},
 {"id": "x", "kind": "file", "location": "$dir/hidden.ics", "name": "Hidden",
  "colour": "#cc0000", "shown": false, "holidays": true},
 {"id": "o", "kind": "file", "location": "$dir/other.ics", "name": "Other",
  "colour": "#0000cc", "shown": true, "holidays": false}]}
JSON
# "fi" is searched for as the two letters a user types, not as a ligature.
holidays=("25 Christmas Day" "1 New Year's Day" "1 Labour Day" "17 Pfingstmontag")
notHolidays=(Hidden Dentist Haircut Football Office)
config="$dir/xdg"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# zone, locale, expected paper (pdfinfo's name), months, then the options.
check() {
    local zone=$1 locale=$2 paper=$3 months=$4
    shift 4
    local pdf="$dir/$(basename "$zone").pdf" status=0
    (cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$dir" TZ="$zone" \
        XDG_CONFIG_HOME="$config" \
        LANG="$locale" LC_ALL="$locale" ./solvane --export-pdf "$pdf" --year 2027 "$@") ||
        status=$?
    [ "$status" = 0 ] || { fail "$zone: exit $status"; return; }
    local info
    info=$(pdfinfo "$pdf")
    grep -q '^Pages: *1$' <<<"$info" || fail "$zone: not one page"
    grep -q "^Page size:.*($paper)" <<<"$info" || fail "$zone: not $paper: $(grep 'Page size' <<<"$info")"
    local fonts
    fonts=$(pdffonts "$pdf" | tail -n +3)
    [ -n "$fonts" ] || fail "$zone: no fonts"
    awk '$(NF-4) != "yes" { exit 1 }' <<<"$fonts" || fail "$zone: a font not embedded: $fonts"
    local text
    text=$(pdftotext -layout "$pdf" -)
    local month
    IFS=, read -ra month <<<"$months"
    for name in "${month[@]}"; do
        grep -qw "$name" <<<"$text" || fail "$zone: no $name"
    done
    grep -q "$(basename "$zone" | tr _ ' ') ($zone)" <<<"$text" || fail "$zone: no place in the title"
    # Days stop at 31: the numbers 32 to 53 on the page are week numbers.
    if [[ " $* " == *" --week-numbers "* ]]; then
        for week in $(seq 32 53); do
            grep -qw "$week" <<<"$text" || fail "$zone: no week $week"
        done
    elif [[ " $* " != *" --day-of-year "* ]] && grep -qw 53 <<<"$text"; then
        fail "$zone: week numbers without --week-numbers"
    fi
    if [[ " $* " == *" --day-of-year "* ]]; then
        grep -qw 365 <<<"$text" || fail "$zone: no day of the year"
    fi
    local holiday
    # German writes the day with its ordinal point: "25. Christmas Day".
    for holiday in "${holidays[@]}"; do
        grep -qF -e "$holiday" -e "${holiday/ /. }" <<<"$text" || fail "$zone: no \"$holiday\""
    done
    for holiday in "${notHolidays[@]}"; do
        grep -qF -e "$holiday" -e "${holiday/ /. }" <<<"$text" && fail "$zone: \"$holiday\" listed"
    done
    echo "ok: $zone $paper $*"
}

check Europe/Berlin de_DE.UTF-8 A4 \
    Januar,Februar,März,April,Mai,Juni,Juli,August,September,Oktober,November,Dezember --week-numbers
check America/New_York en_US.UTF-8 letter \
    January,February,March,April,May,June,July,August,September,October,November,December --week-numbers
check Australia/Sydney en_AU.UTF-8 A3 \
    January,February,March,April,May,June,July,August,September,October,November,December --paper a3 --portrait --day-of-year

# No holiday calendar: the page as it was, with no holidays.
config="$dir/no-config"
holidays=()
notHolidays=(Christmas "New Year" Labour Hidden Dentist)
check Europe/Berlin en_GB.UTF-8 A4 \
    January,February,March,April,May,June,July,August,September,October,November,December

# Refusals: a message and 2, never a window or another program asked.
refused() {
    local status=0 message
    message=$(cd "$dir" && env -u DISPLAY -u QT_QPA_PLATFORM HOME="$dir" ./solvane "$@" 2>&1 >/dev/null) ||
        status=$?
    [ "$status" = 2 ] || fail "$*: exit $status, not 2"
    [ -n "$message" ] || fail "$*: no message"
}
refused --export-pdf "$dir/x.pdf" --paper a5
refused --export-pdf "$dir/x.pdf" --year 20x7
refused --export-pdf "$dir/x.pdf" --year 0
refused --export-pdf "$dir/x.pdf" --landscape
refused --export-pdf
refused --export-pdf "$dir/no/such/folder/x.pdf"
refused --export-pdf /proc/version

[ "$failures" = 0 ] && echo "all export checks passed"
[ "$failures" = 0 ]
