#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Installs the Debian 12 packages that building, testing and running Solvane need. A machine
# that already has them all installs nothing and reads no package lists.
set -euo pipefail

packages=(
    cmake ninja-build g++ qt6-base-dev # the build, Qt Widgets and Qt Test
    fonts-dejavu-core fonts-liberation # a font for offscreen rendering, and Arial's metrics
    xvfb xauth x11-utils xdotool imagemagick # screenshots and benchmarks under a virtual display
    libxcb1-dev                        # the benchmarks' stopwatch for a window's first map
    trayer                             # a notification area on the virtual display, for the second-start test
    openbox                            # a real window manager for the window-position tests
    faketime                           # a fixed date for the screenshots
    tzdata                             # the zone files and tables the sun times follow
    desktop-file-utils appstream       # checks of the desktop entry and the metainfo
    lintian                            # Debian's checks of the package, in the package test
    weston qt6-wayland                 # the program under a headless Wayland compositor
    libqt6svg6                         # the scalable window icon
    clang libclang-rt-14-dev           # libFuzzer and the sanitizer runtimes
    clang-format                       # the format check
    libical-dev pkg-config             # the iCalendar reader; a test reads the almanac's export with it
    python3 python3-icalendar python3-recurring-ical-events python3-x-wr-timezone # a second iCalendar reader, under Debian's python3, for the reader's and the export's tests
    radicale                           # a CalDAV server on 127.0.0.1 that the export is uploaded into
    openssl                            # certificates for the subscription tests' HTTPS server
    poppler-utils                      # pdfinfo, pdffonts and pdftotext read the exported year page back
    qt6-l10n-tools qt6-tools-dev       # lupdate and lrelease, and CMake's Qt6LinguistTools for the .ts files
    qt6-translations-l10n              # Qt's own texts (print and file dialogs) in the desktop's language
    dbus at-spi2-core python3-pyatspi  # a private session bus, the accessibility bus and a screen reader's view of the program, for the AT-SPI test
)

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "setup.sh: not a Debian system; make sure these (or their equivalents) are installed: ${packages[*]}" >&2
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    echo "setup.sh: missing packages: ${missing[*]}. Run this script as root, or install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "setup.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
echo "setup.sh: done"
