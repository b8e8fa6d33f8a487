// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The settings as one value: what prefs.cal holds, read and written as whole lines. The
// Parameters dialog owns the value the program runs with and announces its changes; the year
// view paints itself from those announcements and reads the place, offset and time format from
// the value when it computes the sun.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "colors.h"

namespace solvane::prefs {

// The six colours in the order of their lines and of the dialog's colour boxes.
enum class Colour { TitleBar, TitleText, Background, Text, TrailingText, Outline };
inline constexpr int kColourCount = 6;
inline constexpr std::array<TColor, kColourCount> kDefaultColours{cl::Blue, cl::Yellow, cl::White,
                                                                  cl::Navy, cl::Silver, cl::Silver};

struct Preferences {
    // The flags line: "1" at position 1 asks for 24-hour times, at position 2 for hints, at
    // position 3 for the system's time zone; further characters are kept as read.
    QString flags;
    QString longitude;  // the place texts as typed, "73°59'W" say
    QString latitude;
    double offset = 0;  // hours east of Greenwich
    std::array<TColor, kColourCount> colours = kDefaultColours;
    // 24-hour times in force. A load whose flags ask for them turns this on; nothing turns it
    // off while the program runs, so switching them off takes effect at the next start.
    bool militaryTime = false;
    // Sun times on the system zone's clock, daylight saving included, instead of the fixed
    // offset. A flags line of two characters, as every older file has, reads as off.
    bool useSystemZone = true;

    // Whether the place lines hold anything: without a place a first start takes the system
    // zone's city.
    bool hasPlace() const;
    TColor colour(Colour which) const { return colours[size_t(which)]; }
    bool hints() const;
};

// What a read of prefs.cal found. A colour line that is not an integer ends the reading: the
// colours before it are read, the rest of the value keeps what `base` had, and raise() reports
// the line with the message the user sees.
struct Reading {
    QStringList lines;  // the file as read, line breaks removed
    Preferences preferences;
    int coloursRead = kColourCount;
    std::optional<QString> badColourLine;

    bool complete() const { return !badColourLine; }
    // Raises solvane::Error("'<line>' is not a valid integer value") for a bad colour line.
    void raiseIfIncomplete() const;
};

// The flags text with its third character "1" while the system zone switch is on. Off, a
// "1" there turns "0" and anything else stays, so an older file is saved unchanged.
QString withZoneFlag(QString flags, bool on);

// Reads the lines into a value on top of `base`. Never raises.
Reading readLines(const QStringList& lines, const Preferences& base = {});
// Reads the file; raises solvane::Error("Cannot open file <path>") when it cannot.
Reading readPreferences(const QString& path, const Preferences& base = {});

// The longest place text a save writes: as many characters as a text field holds by default.
inline constexpr int kMaxPlaceTextLength = 32767;

// Why a place text cannot be saved, or nothing when it can: it is longer than
// kMaxPlaceTextLength, holds characters that prefs.cal cannot store, or has no number the sun
// computation can read (its own message for that line then). `fieldName` is the field's label.
std::optional<QString> placeTextRefusal(const QString& text, const QString& fieldName,
                                        bool latitude);

// The ten lines a save writes: flags, longitude, latitude, offset (at most two decimals after
// a point whatever the locale, empty for 0), then the six colours.
QStringList toLines(const Preferences& preferences);
// Writes toLines() through a temporary file renamed over the old one; raises
// solvane::Error("Cannot create file <path>") when it cannot.
void writePreferences(const QString& path, const Preferences& preferences);

}  // namespace solvane::prefs
