#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The Debian package as a user meets it: builds it with cpack, checks it with lintian (when
# installed; errors and warnings fail), installs it with dpkg into a throwaway root, runs the
# installed program as the unprivileged user "nobody" with a throwaway home under Xvfb, ticks
# Hints in the Parameters dialog and saves, finds the setting in that user's
# ~/.config/solvane/prefs.cal, and removes the package again, checking that nothing of it is
# left.
# Usage: package-test.sh BUILD_DIR SAVE_CHECK   (SAVE_CHECK: "check" or "pending")
# Exits 77 (skipped) with the reason where this machine cannot do it.
set -euo pipefail
build=$1 save_check=$2

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "installing a package with dpkg and switching to another user need root"
for tool in dpkg dpkg-deb cpack Xvfb xdotool setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
id nobody >/dev/null 2>&1 || skip "there is no user 'nobody' to run the program as"

work=$(mktemp -d)
chmod 755 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The package, built into the work folder so that the build folder keeps no staging files.
# cpack packs what the build made; the build makes sure that is all there (at once when it is).
cmake --build "$build" --target solvane solvane-almanac compressed-files >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; fail "the build failed"; }
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/solvane_*.deb)
if command -v lintian >/dev/null; then
    # Warnings count too: the package has none, and a new one (such as a program linked in a
    # way Debian does not expect) is a fault to mend, or to override with its reason.
    lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
else
    echo "lintian is not installed: the package is not checked by it"
fi

# A root of its own with an empty package database; the libraries come from this system.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends -i "$deb" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log"; fail "dpkg could not install the package"; }

for path in usr/bin/solvane usr/bin/solvane-almanac usr/lib/solvane/solvane \
    usr/lib/solvane/solvane-almanac-events \
    usr/lib/solvane/prefs.cal usr/share/applications/org.solvane.Solvane.desktop \
    usr/share/metainfo/org.solvane.Solvane.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/org.solvane.Solvane.png \
    usr/share/icons/hicolor/256x256/apps/org.solvane.Solvane.png \
    usr/share/icons/hicolor/scalable/apps/org.solvane.Solvane.svg \
    usr/share/man/man1/solvane.1.gz usr/share/man/man1/solvane-almanac.1.gz \
    usr/share/doc/solvane/copyright; do
    [ -e "$root/$path" ] || fail "the package has no /$path"
done
grep -qx 'Exec="/usr/bin/solvane" %U' "$root/usr/share/applications/org.solvane.Solvane.desktop" ||
    fail "the desktop entry does not start /usr/bin/solvane"
"$root/usr/bin/solvane-almanac" 2026-12-07 >/dev/null || fail "the installed almanac does not run"
# --events goes from the almanac to its iCalendar reader in the program's folder.
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas Day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$work/holidays.ics"
"$root/usr/bin/solvane-almanac" --events "$work/holidays.ics" 2026-12-25 | grep -q 'Christmas Day$' ||
    fail "the installed almanac does not read events"

# The user's side: a home of their own, nothing set but what a desktop session sets.
home=$work/home
mkdir "$home"
chown nobody "$home"
beside=$root/usr/lib/solvane/prefs.cal
before=$(sha256sum <"$beside")
if [ "$save_check" = pending ]; then
    # Until then the save is checked where a per-user install keeps it, beside the program.
    chown nobody "$root/usr/lib/solvane" "$beside"
fi

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
    env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    "$root/usr/bin/solvane" >"$work/program.log" 2>&1 &
pids+=($!)

window_at() {  # prints "X Y" of the first window whose name matches $1
    local id
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1) ||
        fail "no window '$1' appeared; the program said: $(cat "$work/program.log")"
    xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

# The wrench of the tool strip (strip at 429, button at 670, 2 inside it), then Hints and
# Save in the dialog.
read -r x y < <(window_at '^Solvane')
click_at $((x + 684)) $((y + 440))
read -r x y < <(window_at '^Parameters$')
click_at $((x + 5 + 139 + 8)) $((y + 5 + 107 + 8))
click_at $((x + 110 + 60 + 31)) $((y + 158 + 2 + 11))

saved=$home/.config/solvane/prefs.cal
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.1; done
if [ "$save_check" = check ]; then
    [ -s "$saved" ] || fail "no $saved after Save; the program said: $(cat "$work/program.log")"
    [ "$(head -c 2 "$saved")" = 01 ] || fail "Hints is not saved: $(head -n1 "$saved")"
    [ "$(stat -c %U "$saved")" = nobody ] || fail "$saved does not belong to the user"
    echo "saved in the user's configuration folder: $(head -n1 "$saved" | tr -d '\r')"
    [ "$(sha256sum <"$beside")" = "$before" ] || fail "the shipped prefs.cal was changed"
else
    echo "NOT CHECKED: the program has no settings folder for a read-only program folder yet;"
    echo "checked instead that Save writes the prefs.cal beside the program when the user owns it"
    [ ! -e "$saved" ] || fail "the program wrote $saved although its own prefs.cal is writable"
    for _ in $(seq 50); do [ "$(head -c 2 "$beside")" = 01 ] && break; sleep 0.1; done
    [ "$(head -c 2 "$beside")" = 01 ] || fail "Hints is not saved beside the program: $(head -n1 "$beside")"
fi

dpkg --root="$root" -r solvane >/dev/null
left=$(cd "$root" && find . -mindepth 1 ! -path ./var ! -path ./var/lib ! -path './var/lib/dpkg*')
[ -z "$left" ] || fail "the removal left: $left"
echo "package install and removal: ok ($(basename "$deb"))"
