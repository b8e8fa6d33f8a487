#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Removes what `cmake --install` installed, except prefs.cal: that file holds the user's
# settings, and this script says how to remove it too. The install puts a copy of this script
# in share/solvane/ beside the list of the files it wrote, so that
#   ~/.local/share/solvane/uninstall.sh
# works without the build folder. From the source tree it reads build/install_manifest.txt,
# or the list given as its argument. DESTDIR is honoured as by the install.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ge 1 ]; then
    list=$1
elif [ -f "$here/installed-files.txt" ]; then
    list=$here/installed-files.txt
else
    list=$here/../build/install_manifest.txt
fi
if [ ! -f "$list" ]; then
    echo "uninstall.sh: $list not found: it is written by 'cmake --install build'" >&2
    exit 1
fi

kept=
folders=()
while IFS= read -r path || [ -n "$path" ]; do
    [ -n "$path" ] || continue
    path=${DESTDIR:-}$path
    if [ "$(basename -- "$path")" = prefs.cal ]; then
        [ -e "$path" ] && kept=$path
        continue
    fi
    if [ -e "$path" ] || [ -L "$path" ]; then
        rm -f -- "$path"
        echo "Removed $path"
    fi
    # Folders of the program's own (lib/solvane, share/solvane, share/doc/solvane) go when empty.
    folder=$(dirname -- "$path")
    [ "$(basename -- "$folder")" = solvane ] && folders+=("$folder")
done <"$list"

for folder in "${folders[@]}"; do
    rmdir -- "$folder" 2>/dev/null || true
done
if [ -n "$kept" ]; then
    echo "Kept your settings in $kept; to remove them too: rm '$kept' && rmdir '$(dirname -- "$kept")'"
fi
