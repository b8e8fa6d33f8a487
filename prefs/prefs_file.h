// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The preferences file "prefs.cal" beside the executable: ten lines of 8-bit Latin-1 text
// (the degree sign is the single byte 0xB0), written with CR LF and read with any line end.
// Line 0 holds the flags, lines 1 and 2 the longitude and latitude texts, line 3 the offset
// from GMT, lines 4 to 9 the six colours as decimal integers.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "colors.h"

namespace solvane::prefs {

inline constexpr int kLineCount = 10;
inline constexpr int kFlagsLine = 0;
inline constexpr int kLongitudeLine = 1;
inline constexpr int kLatitudeLine = 2;
inline constexpr int kOffsetLine = 3;
inline constexpr int kFirstColourLine = 4;  // colour k (1 .. 6) is on line 3 + k

// executableDir() followed by "/prefs.cal".
QString filePath();

// CR LF, a lone CR and a lone LF each end a line; text after the last line end is a line too.
QStringList splitLines(const QByteArray& bytes);
// Every line followed by CR LF; characters beyond Latin-1 become "?".
QByteArray joinLines(const QStringList& lines);

// The text with every line break (pasted into a place field) turned into a blank, so that a
// saved text cannot push the lines after it out of place.
QString oneLine(QString text);

// A signed 32-bit decimal integer: an optional sign and digits, nothing else.
std::optional<TColor> parseColour(const QString& text);
// As parseColour, raising solvane::Error("'<text>' is not a valid integer value") on failure.
TColor readColour(const QString& line);
// The offset in hours, with the locale's decimal separator or a point; 0 for anything that
// is not a finite number, an empty line included.
double readOffset(const QString& line);

// The flags text with its first two characters set from the two switches and the rest kept;
// missing characters count as "0".
QString withFlags(QString flags, bool militaryTime, bool hints);
// Whether character `position` (1-based) of the flags text is "1"; false when it is missing.
bool flagSet(const QString& flags, int position);

// The lines of the file at `path`; raises solvane::Error("Cannot open file <path>").
QStringList readFile(const QString& path);
// Writes the lines through a temporary file renamed over the old one, so a failed write
// leaves the old file as it was; raises solvane::Error("Cannot create file <path>").
void writeFile(const QString& path, const QStringList& lines);

}  // namespace solvane::prefs
