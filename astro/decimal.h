// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace solvane::astro {

// The value of a whole decimal number text as std::from_chars reads it ("-12.5", "1e-3"; no
// plus sign, no blanks). A text too small for a double ("1e-400", or a point followed by
// thousands of zeros) is 0 with its sign, as it is for every use here; one too large, or
// anything that is not such a text, has no value.
std::optional<double> decimalValue(std::string_view text);

// An ASCII digit, whatever the C locale says.
constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace solvane::astro
