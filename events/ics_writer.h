// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The few pieces of RFC 5545 text writing that the notes file needs.

#include <QByteArray>
#include <QString>

namespace solvane::events {

// A TEXT value with backslash, semicolon, comma and line breaks escaped (section 3.3.11).
QString escapedText(const QString& text);
// One content line, folded so that no line exceeds 75 octets without its CRLF, never inside
// a UTF-8 sequence (section 3.1), and ended by CRLF.
QByteArray foldedLine(const QString& line);

}  // namespace solvane::events
