// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Command-line text shown back in an error message, safe for a terminal.

#include <cstddef>
#include <string>
#include <string_view>

namespace solvane::almanac {

// The text in double quotes with control characters, quotes, backslashes, the characters
// that turn text direction and bytes that are not UTF-8 escaped (\t, \", \\, \x1b), so that
// a bad argument can neither drive the terminal nor hide what it holds.
// Past kQuotedCharacters characters the text is cut, and its length in bytes follows the
// quotes: a refused argument of megabytes is not worth a screenful.
inline constexpr std::size_t kQuotedCharacters = 64;
std::string quoted(std::string_view text);

}  // namespace solvane::almanac
