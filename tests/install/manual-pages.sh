#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The manual pages keep up with the programs: every option solvane-almanac's --help names is
# on its page and every option the page names is in --help; every key of the tool strip and
# every environment variable the program's sources read is on solvane(1).
# Usage: manual-pages.sh SOLVANE_ALMANAC SOURCE_DIR
set -euo pipefail
almanac=$1 source=$2
almanac_page=$source/install/solvane-almanac.1
program_page=$source/install/solvane.1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Options as roff writes them: "\-\-name" in the page, "--name" in the help text.
help_options=$("$almanac" --help | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
page_options=$(grep -E '^\.(B|BI|BR|RB|IR|RI) ' "$almanac_page" | sed 's/\\-/-/g' |
    grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
[[ -n $help_options ]] || fail "solvane-almanac --help names no option"
for option in $help_options; do
    grep -qx -- "$option" <<<"$page_options" || fail "solvane-almanac(1) lacks $option"
done
for option in $page_options; do
    grep -qx -- "$option" <<<"$help_options" || fail "solvane-almanac(1) names $option, which --help does not"
done

# The strip's keys, from the table the program builds its shortcuts from.
keys=$(grep -oE '\{"SpeedButton[0-9]+", [^,]+,' "$source/app/shortcuts.cpp" | sed -E 's/.*, (.*),/\1/')
[[ -n $keys ]] || fail "no keys found in app/shortcuts.cpp"
while read -r key; do
    text=$(sed -E 's/Qt::ALT \| /Alt+/; s/Qt::CTRL \| /Ctrl+/; s/Qt::Key_PageUp/PgUp/;
        s/Qt::Key_PageDown/PgDown/; s/Qt::Key_Comma/,/; s/Qt::Key_//' <<<"$key")
    grep -qxF ".B $text" "$program_page" || fail "solvane(1) lacks the key $text"
done <<<"$keys"

# The environment the program reads.
variables=$(grep -rhoE '(getenv|qgetenv|qEnvironmentVariable[A-Za-z]*)\("[A-Z_]+"' \
    "$source"/{app,prefs,platform,astro,widgets} | grep -oE '"[A-Z_]+"' | tr -d '"' | sort -u)
grep -q '^\.SH ENVIRONMENT' "$program_page" || fail "solvane(1) has no ENVIRONMENT section"
for variable in $variables; do
    grep -qE "^\.(B|BR|RB) .*\b$variable\b" "$program_page" ||
        fail "solvane(1) does not name $variable, which the program reads"
done
if grep -qi 'no environment variable' "$program_page"; then
    fail "solvane(1) says that no environment variable is read"
fi
((failures == 0)) && echo "PASS: $(wc -w <<<"$help_options") almanac options, $(wc -l <<<"$keys") keys, $(wc -w <<<"$variables") variables"
exit $((failures > 0))
