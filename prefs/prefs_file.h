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

// At most this many bytes of prefs.cal are read: ten lines of settings take under 1 KiB.
inline constexpr qint64 kMaxFileSize = 1024 * 1024;
// Error boxes quote at most this many characters of a bad value.
inline constexpr int kMaxQuotedLength = 80;

// Where the settings live: prefs.cal beside the program, or in the user's configuration
// folder when the program's folder cannot be written (see settings_location.h).
QString filePath();

// CR LF, a lone CR and a lone LF each end a line; text after the last line end is a line too.
// A leading UTF-8 byte-order mark is skipped.
QStringList splitLines(const QByteArray& bytes);
// Every line followed by CR LF; characters beyond Latin-1 become "?".
QByteArray joinLines(const QStringList& lines);

// The text with every line break (pasted into a place field) turned into a blank, so that a
// saved text cannot push the lines after it out of place.
QString oneLine(QString text);

// Whether every character can be stored in the file's 8-bit text unchanged (none turns "?").
bool isLatin1(const QString& text);

// The text as an error box quotes it: whole up to kMaxQuotedLength characters, otherwise its
// first kMaxQuotedLength characters followed by an ellipsis.
QString quoted(const QString& text);

// A signed 32-bit decimal integer: an optional sign and digits, nothing else.
std::optional<TColor> parseColour(const QString& text);
// As parseColour, raising solvane::Error("'<text>' is not a valid integer value") on failure.
TColor readColour(const QString& line);
// The offset in hours, with the locale's decimal separator or a point; 0 for anything that
// is not a number from -24 to 24, an empty line included.
double readOffset(const QString& line);
// Line 3 for an offset: at most two decimals after a point whatever the locale, no trailing
// zeros, empty for 0, so that the file reads the same under every locale.
QString offsetLine(double hours);

// The flags text with its first two characters set from the two switches and the rest kept;
// missing characters count as "0".
QString withFlags(QString flags, bool militaryTime, bool hints);
// Whether character `position` (1-based) of the flags text is "1"; false when it is missing.
bool flagSet(const QString& flags, int position);

// The bytes of the regular file at `path`, at most kMaxFileSize of them. Never blocks: a FIFO,
// a device or a folder is refused without being read. Raises solvane::Error("Cannot open file
// <path>") when the file cannot be opened, with the reason added when it is no regular file
// or too large.
QByteArray readBytes(const QString& path);
// The lines of the file at `path` (readBytes, then splitLines).
QStringList readFile(const QString& path);
// Writes the lines through a temporary file renamed over the old one, so a failed write
// leaves the old file as it was. A symbolic link is saved through when it leads to a regular
// file; a link to anything else, a dangling link, or a path that holds no regular file is
// refused and left alone. Temporary files of earlier saves that were cut short are removed.
// Raises solvane::Error("Cannot create file <path>: <the system's reason>").
void writeFile(const QString& path, const QStringList& lines);

}  // namespace solvane::prefs
