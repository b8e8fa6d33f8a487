// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The place texts of the preferences ("N°40.75", "W°73.99", a bare "-33.9"): the number after
// the first degree sign, rounded to two decimals, with the hemisphere honoured: the first
// letter before the sign, either case ("S", "s" or "South" gives south, "E" or "east" east).

#include <optional>
#include <string>
#include <string_view>

namespace solvane::astro {

inline constexpr const char* kInvalidLatitude = "Invalid N/S degrees in preferences.";
inline constexpr const char* kInvalidLongitude = "Invalid W/E degrees in preferences.";

// Latitude in degrees, north positive. Empty when the text is not a number. UTF-8 text.
std::optional<double> latitudeFromText(std::string_view text);
// The longitude number as the sun computation negates it: west positive, so an "E" line
// gives a negative number. Empty when the text is not a number. UTF-8 text.
std::optional<double> longitudeNumberFromText(std::string_view text);

// Rounds to two decimals on the decimal text, halves away from zero (0.285 gives 0.29).
double roundTo2Decimals(double value);
// The number with at most two decimals and no trailing zeros ("-5", "5.5", "-3.5").
std::string twoDecimalText(double value);

}  // namespace solvane::astro
