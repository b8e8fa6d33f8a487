#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The printed year of 2027 as a user gets it from `solvane --export-pdf`, each place the zone's
# city with a holiday calendar of its country configured: Berlin in German (A4), New York in
# English (Letter, the locale's paper), Sydney (A4) and Sydney on A3 standing up with the day of
# the year. Prints what poppler reads back (pages and paper, fonts not embedded, month names,
# holidays and week numbers missing from the text) and renders each page at 100 dots per inch
# into docs/page-*.png.
#   scripts/print-pictures.sh        (SOLVANE points to the program; build/app/solvane by default)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
solvane="${SOLVANE:-$root/build/app/solvane}"
[[ -x $solvane ]] || { echo "no program at $solvane (build it, or set SOLVANE)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$solvane" "$work/solvane"
# No place saved: the zone's city and its clock are in force.
printf '00\r\n\r\n\r\n\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' >"$work/prefs.cal"

# A holiday calendar of all-day events from "MMDD:Name" words (underscores for spaces).
holiday_file() {
    local file=$1 holiday
    shift
    {
        printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane pictures//EN\r\n'
        for holiday in "$@"; do
            printf 'BEGIN:VEVENT\r\nUID:2027%s@pictures\r\nDTSTAMP:20260101T000000Z\r\n' "${holiday%%:*}"
            printf 'DTSTART;VALUE=DATE:2027%s\r\nSUMMARY:%s\r\nEND:VEVENT\r\n' "${holiday%%:*}" \
                "$(tr _ ' ' <<<"${holiday#*:}")"
        done
        printf 'END:VCALENDAR\r\n'
    } >"$file"
}
holiday_file "$work/de.ics" 0101:Neujahr 0308:Internationaler_Frauentag 0326:Karfreitag \
    0329:Ostermontag 0501:Tag_der_Arbeit 0506:Christi_Himmelfahrt 0517:Pfingstmontag \
    1003:Tag_der_Deutschen_Einheit 1225:1._Weihnachtstag 1226:2._Weihnachtstag
holiday_file "$work/us.ics" "0101:New Year's Day" 0118:Martin_Luther_King_Jr._Day \
    "0215:Washington's Birthday" 0531:Memorial_Day 0619:Juneteenth 0704:Independence_Day \
    0705:Independence_Day_observed 0906:Labor_Day 1011:Columbus_Day 1111:Veterans_Day \
    1125:Thanksgiving_Day 1224:Christmas_Day_observed 1225:Christmas_Day
holiday_file "$work/au.ics" "0101:New Year's Day" 0126:Australia_Day 0326:Good_Friday \
    0327:Easter_Saturday 0328:Easter_Sunday 0329:Easter_Monday 0425:Anzac_Day \
    "0614:King's Birthday" 0802:Bank_Holiday 1004:Labour_Day 1225:Christmas_Day \
    1226:Boxing_Day 1227:Christmas_Day_observed 1228:Boxing_Day_observed

# name, zone, locale, holiday file, expected paper (pdfinfo's name), the options; the month
# names expected in `months`.
picture() {
    local name=$1 zone=$2 locale=$3 holidays=$4 paper=$5
    shift 5
    local config="$work/$name/config" pdf="$work/$name.pdf" problems=()
    mkdir -p "$config/solvane"
    printf '{"format": 1, "calendars": [{"id": "h", "kind": "file", "location": "%s", "name": "Holidays", "colour": "#cc0000", "holidays": true}]}\n' \
        "$holidays" >"$config/solvane/calendars.json"
    (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work" \
        XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$work" TZ="$zone" LANG="$locale" LC_ALL="$locale" \
        ./solvane --export-pdf "$pdf" --year 2027 "$@")
    local info fonts text
    info=$(pdfinfo "$pdf")
    fonts=$(pdffonts "$pdf" | tail -n +3)
    text=$(pdftotext -layout "$pdf" -)
    grep -q '^Pages: *1$' <<<"$info" || problems+=("not one page")
    grep -q "^Page size:.*($paper)" <<<"$info" || problems+=("not $paper")
    awk '$(NF-4) != "yes" { exit 1 }' <<<"$fonts" || problems+=("a font not embedded")
    local month
    for month in "${months[@]}"; do
        grep -qw "$month" <<<"$text" || problems+=("no $month")
    done
    local holiday day summary
    while IFS= read -r holiday; do
        day=$((10#${holiday:6:2}))
        summary=${holiday#*SUMMARY:}
        grep -qF "$day $summary" <<<"$text" || problems+=("no \"$day $summary\"")
    done < <(awk '/^DTSTART/ { date = substr($0, length($0) - 7) } /^SUMMARY/ { print date "SUMMARY:" substr($0, 9) }' \
        <(tr -d '\r' <"$holidays"))
    if [[ " $* " == *" --week-numbers "* ]]; then
        local week
        for week in $(seq 1 52); do
            grep -qw "$week" <<<"$text" || problems+=("no week $week")
        done
        grep -qw 53 <<<"$text" || problems+=("no week 53")
    fi
    pdftoppm -r 100 -png -singlefile "$pdf" "$root/docs/page-$name"
    printf '%-22s %s, %s fonts embedded, %s bytes: %s\n' "$name" \
        "$(sed -n 's/^Page size: *//p' <<<"$info")" "$(wc -l <<<"$fonts")" "$(stat -c %s "$pdf")" \
        "$([ ${#problems[@]} = 0 ] && echo "all months, holidays and weeks found" || printf '%s; ' "${problems[@]}")"
    [ ${#problems[@]} = 0 ]
}

english=(January February March April May June July August September October November December)
status=0
months=(Januar Februar März April Mai Juni Juli August September Oktober November Dezember)
picture berlin Europe/Berlin de_DE.UTF-8 "$work/de.ics" A4 --week-numbers || status=1
months=("${english[@]}")
picture new-york America/New_York en_US.UTF-8 "$work/us.ics" letter --week-numbers || status=1
picture sydney Australia/Sydney en_AU.UTF-8 "$work/au.ics" A4 --week-numbers || status=1
picture sydney-a3-portrait Australia/Sydney en_AU.UTF-8 "$work/au.ics" A3 \
    --paper a3 --portrait --week-numbers --day-of-year || status=1
exit $status
