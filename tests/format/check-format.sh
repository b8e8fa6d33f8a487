#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Checks that every C++ source of the repository is formatted as its .clang-format says, and
# names the files that are not. Exits 77 (reported as skipped) without clang-format.
# Usage: check-format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed: format check skipped (scripts/setup.sh installs it)"
    exit 77
fi

# The tracked sources in a git checkout; every source outside the build folders otherwise.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find . \( -path './build*' -o -path './out' -o -path './.git' \) \
        -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "no C++ sources found under $PWD"
    exit 1
fi

# One run over all files; each misformatted line is reported as "file:line:col: error: ...".
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
    echo "files that differ from .clang-format (fix them with clang-format -i):"
    grep -E ': error: ' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/  /'
    grep -E ': error: ' <<<"$report" | head -n 20
    exit 1
fi
echo "${#files[@]} files formatted as .clang-format says ($(clang-format --version))"
