#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The year on paper beside pcal: Solvane's `--export-pdf` of one year against pcal's one-page
# year with moon glyphs (`pcal -w -m`) turned into PDF by ps2pdf, same year and paper (A4
# landscape), rounds interleaved. Prints the median times and the file sizes, checks the targets
# (faster than pcal plus ps2pdf, under 300 KB) and exits 1 when one is missed. Solvane's page
# lists the nine days of a holiday calendar, read as the program reads it. A benchmark, not a
# test: Debian's pcal and ghostscript are installed here when missing, never by setup.sh.
#   scripts/bench-print.sh [rounds]        (default 15)
# SOLVANE points to the program; build/app/solvane by default.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-15}"
solvane="${SOLVANE:-$root/build/app/solvane}"
year=2027
[[ -x $solvane ]] || { echo "no program at $solvane (build it, or set SOLVANE)" >&2; exit 2; }
for package in pcal:pcal ghostscript:ps2pdf; do
    if ! command -v "${package#*:}" >/dev/null; then
        apt-get install -y "${package%:*}" >/dev/null ||
            { apt-get update >/dev/null && apt-get install -y "${package%:*}" >/dev/null; }
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program in a folder of its own with settings for Berlin, so that the user's are not read.
cp "$solvane" "$work/solvane"
printf '00\r\nE\xb013.40\r\nN\xb052.52\r\n1\r\n16711680\r\n65535\r\n16777215\r\n8388608\r\n12632256\r\n12632256\r\n' >"$work/prefs.cal"
export HOME=$work XDG_CONFIG_HOME=$work/.config XDG_CACHE_HOME=$work/.cache XDG_RUNTIME_DIR=$work LC_ALL=C.UTF-8 TZ=Europe/Berlin QT_QPA_PLATFORM=offscreen
# A holiday calendar of the user's, as pcal prints its own holidays: Solvane's time includes
# reading it.
mkdir -p "$work/.config/solvane"
{
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Solvane bench//EN\r\n'
    for holiday in 0101:Neujahr 0326:Karfreitag 0329:Ostermontag 0501:Tag_der_Arbeit \
        0506:Christi_Himmelfahrt 0517:Pfingstmontag 1003:Tag_der_Deutschen_Einheit \
        1225:Erster_Weihnachtstag 1226:Zweiter_Weihnachtstag; do
        printf 'BEGIN:VEVENT\r\nUID:%s@bench\r\nDTSTAMP:20260101T000000Z\r\n' "${holiday%%:*}"
        printf 'DTSTART;VALUE=DATE:%s%s\r\nSUMMARY:%s\r\nEND:VEVENT\r\n' $year "${holiday%%:*}" \
            "$(tr _ ' ' <<<"${holiday#*:}")"
    done
    printf 'END:VCALENDAR\r\n'
} >"$work/holidays.ics"
printf '{"format": 1, "calendars": [{"id": "h", "kind": "file", "location": "%s", "name": "Feiertage", "colour": "#cc0000", "holidays": true}]}\n' \
    "$work/holidays.ics" >"$work/.config/solvane/calendars.json"

milliseconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
solvane_run() { "$work/solvane" --export-pdf "$work/solvane.pdf" --year $year --paper a4; }
pcal_run() {
    pcal -w -m -l -P a4 -o "$work/pcal.ps" $year && ps2pdf -sPAPERSIZE=a4 "$work/pcal.ps" "$work/pcal.pdf"
}
solvane_run 2>/dev/null && pcal_run >/dev/null 2>&1  # warm the caches once
pdftotext "$work/solvane.pdf" - | grep -q '25 Erster Weihnachtstag' ||
    { echo "the page does not list the holiday calendar's days" >&2; exit 2; }

solvane_times=() pcal_times=()
for ((round = 0; round < rounds; round++)); do
    if ((round % 2)); then
        pcal_times+=("$(milliseconds pcal_run)")
        solvane_times+=("$(milliseconds solvane_run)")
    else
        solvane_times+=("$(milliseconds solvane_run)")
        pcal_times+=("$(milliseconds pcal_run)")
    fi
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
solvane_ms=$(median "${solvane_times[@]}")
pcal_ms=$(median "${pcal_times[@]}")
solvane_bytes=$(stat -c %s "$work/solvane.pdf")
pcal_bytes=$(stat -c %s "$work/pcal.pdf")

printf '%-28s %10s %12s\n' "one year, A4 landscape" "median ms" "PDF bytes"
printf '%-28s %10s %12s\n' "solvane --export-pdf" "$solvane_ms" "$solvane_bytes"
printf '%-28s %10s %12s\n' "pcal -w -m | ps2pdf" "$pcal_ms" "$pcal_bytes"
echo "($rounds rounds, medians; pcal $(dpkg-query -W -f '${Version}' pcal 2>/dev/null || echo '?'), ghostscript $(gs --version))"

status=0
((solvane_ms < pcal_ms)) || { echo "MISSED: not faster than pcal plus ps2pdf"; status=1; }
((solvane_bytes < 300 * 1024)) || { echo "MISSED: the PDF is not under 300 KB"; status=1; }
((status == 0)) && echo "targets met: faster than pcal plus ps2pdf, under 300 KB"
exit $status
