// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "settings.h"

#include "prefs_file.h"

namespace solvane::prefs {

void Settings::load() {
    const Reading reading = readPreferences(filePath(), preferences_);
    lines_ = reading.lines;
    const Preferences& read = reading.preferences;
    preferences_.flags = read.flags;
    preferences_.longitude = read.longitude;
    preferences_.latitude = read.latitude;
    // Neither switch is ever turned off by the file: 24-hour times stay on until the program
    // starts again, and hints stay as they are.
    if (read.militaryTime)
        switchOnMilitaryTime();
    if (read.hints())
        setHints(true);
    // A bad colour line ends the load here; the colours before it stay applied.
    for (int k = 0; k < reading.coloursRead; ++k)
        setColour(Colour(k), read.colours[size_t(k)]);
    if (reading.complete()) {
        preferences_.offset = read.offset;
        preferences_.useSystemZone = read.useSystemZone;
        readWhole_ = true;
    }
    onlyPartlyRead_ = !readWhole_;
    emit loaded(reading);
    reading.raiseIfIncomplete();
}

void Settings::save(const Preferences& saved) {
    preferences_ = saved;
    readWhole_ = true;
    onlyPartlyRead_ = false;
    lines_ = toLines(preferences_);
    writeFile(filePath(), lines_);
}

void Settings::setColour(Colour which, TColor colour) {
    preferences_.colours[size_t(which)] = colour;
    emit colourChanged(which, colour);
}

void Settings::setHints(bool on) {
    hintsOn_ = on;
    emit hintsChanged(on);
}

void Settings::setOffset(double hours) {
    preferences_.offset = hours;
}

void Settings::setUseSystemZone(bool on) {
    preferences_.useSystemZone = on;
}

}  // namespace solvane::prefs
