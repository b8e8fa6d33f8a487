#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Installs into a temporary prefix twice and checks the layout, that the second install keeps
# a prefs.cal the user edited, that the uninstaller installed with the program removes
# everything but prefs.cal without the build folder, that a DESTDIR install is laid out the
# same (without an uninstaller, as a package manager removes what it staged), and that
# scripts/uninstall.sh removes that with CMake's manifest.
# Usage: check-install.sh BUILD_DIR BINDIR PROGRAM_DIR DATADIR (the last three relative).
set -euo pipefail
build=$1 bindir=$2 progdir=$3 datadir=$4
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
manifest=$build/install_manifest_Unspecified.txt
trap 'rm -rf "$work" "$manifest"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
# The component keeps the manifest of this test apart from the user's install_manifest.txt.
install_into() { cmake --install "$build" --component Unspecified --prefix "$1" >/dev/null; }

check_layout() {
    local root=$1 prefix=$2
    [ -x "$root/$progdir/solvane" ] && [ ! -L "$root/$progdir/solvane" ] || fail "no executable in $progdir"
    [ -f "$root/$progdir/prefs.cal" ] || fail "no prefs.cal beside the executable"
    [ -L "$root/$bindir/solvane" ] || fail "$bindir/solvane is not a symbolic link"
    case $(readlink "$root/$bindir/solvane") in /*) fail "the link is absolute" ;; esac
    [ "$(readlink -f "$root/$bindir/solvane")" = "$(readlink -f "$root/$progdir/solvane")" ] ||
        fail "the link does not lead to the executable"
    local entry=$root/$datadir/applications/org.solvane.Solvane.desktop
    grep -qx "Exec=\"$prefix/$bindir/solvane\" %U" "$entry" || fail "desktop entry Exec: $(grep Exec "$entry")"
    [ -f "$root/$datadir/metainfo/org.solvane.Solvane.metainfo.xml" ] || fail "no metainfo"
    if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry"; fi
    if [ -d "$source_dir/resources/icons/hicolor" ]; then
        ls "$root/$datadir"/icons/hicolor/*/apps/org.solvane.Solvane.png >/dev/null 2>&1 ||
            fail "no icons installed"
    fi
}

prefix=$work/prefix
install_into "$prefix"
check_layout "$prefix" "$prefix"
cmp -s "$source_dir/prefs/default-prefs.cal" "$prefix/$progdir/prefs.cal" || fail "prefs.cal is not the default"

printf '11\r\nW\xb073.99\r\nN\xb040.75\r\n-5\r\n255\r\n255\r\n255\r\n255\r\n255\r\n255\r\n' >"$prefix/$progdir/prefs.cal"
cp "$prefix/$progdir/prefs.cal" "$work/edited.cal"
install_into "$prefix"
check_layout "$prefix" "$prefix"
cmp -s "$work/edited.cal" "$prefix/$progdir/prefs.cal" || fail "the second install replaced an edited prefs.cal"

[ -x "$prefix/$datadir/solvane/uninstall.sh" ] || fail "no uninstaller in $datadir/solvane"
grep -qx "$prefix/$bindir/solvane-almanac" "$prefix/$datadir/solvane/installed-files.txt" ||
    fail "the uninstaller's list misses the almanac"
"$prefix/$datadir/solvane/uninstall.sh" >/dev/null
left=$(find "$prefix" -type f -o -type l)
[ "$left" = "$prefix/$progdir/prefs.cal" ] || fail "the installed uninstaller left: $left"
[ ! -e "$prefix/$datadir/solvane" ] || fail "the uninstaller left its own folder"

DESTDIR=$work/dest install_into /opt/solvane-test
[ ! -e "$work/dest/opt/solvane-test/$datadir/solvane" ] || fail "a DESTDIR install has an uninstaller"
check_layout "$work/dest/opt/solvane-test" /opt/solvane-test
[ ! -e /opt/solvane-test ] || fail "the DESTDIR install wrote outside DESTDIR"

DESTDIR=$work/dest "$source_dir/scripts/uninstall.sh" "$manifest" >/dev/null
left=$(find "$work/dest" -type f -o -type l)
[ "$left" = "$work/dest/opt/solvane-test/$progdir/prefs.cal" ] || fail "uninstall left: $left"
echo "install layout: ok"
