#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Removes what `cmake --install build` installed, as listed in the manifest it wrote
# (build/install_manifest.txt unless another is given), except prefs.cal: that file holds the
# user's settings, and this script says how to remove it too. DESTDIR is honoured as by the
# install.
set -euo pipefail
cd "$(dirname "$0")/.."
manifest=${1:-build/install_manifest.txt}
if [ ! -f "$manifest" ]; then
    echo "uninstall.sh: $manifest not found: it is written by 'cmake --install build'" >&2
    exit 1
fi

kept=
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
done <"$manifest"

if [ -n "$kept" ]; then
    echo "Kept your settings in $kept; to remove them too: rm '$kept' && rmdir '$(dirname -- "$kept")'"
fi
