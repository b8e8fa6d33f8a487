// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The content lines of an iCalendar file (RFC 5545, section 3.1): TEXT values escaped, lines
// ended by CRLF and folded so that no line is longer than 75 octets.

#include <cstdint>
#include <string>
#include <string_view>

namespace solvane::almanac::ics {

inline constexpr std::size_t kMaxLineOctets = 75;  // without the CRLF

// A TEXT value: backslash, semicolon and comma escaped, a line break (LF, CR or CRLF) as
// "\n"; control characters other than the tab, which the grammar does not allow, are
// left out.
std::string escapeText(std::string_view text);

// Appends `line` with its CRLF, folded before it passes 75 octets: each continuation starts
// with one space. A fold never falls inside a UTF-8 character.
void appendLine(std::string& out, std::string_view line);

// The UTC DATE-TIME of an instant in seconds since 1970-01-01 00:00 UTC: "20261209T005213Z".
std::string utcDateTime(std::int64_t seconds);

// A FLOAT value with at most six decimals and no exponent: "40.75", "-73.99", "0".
std::string decimal(double value);

}  // namespace solvane::almanac::ics
