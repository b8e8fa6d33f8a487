// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The entries of the dialog's Offset List: the text shown, exactly as written (runs of blanks
// and trailing blanks included), and the offset from GMT in hours that choosing it sets.
// The offsets are a fixed table beside the texts; nothing is read out of the texts.

#include <array>

namespace solvane {

struct OffsetEntry {
    const char* text;  // plain ASCII
    double hours;      // east of Greenwich positive; half hours as .5
};

inline constexpr int kOffsetEntryCount = 93;

const std::array<OffsetEntry, kOffsetEntryCount>& offsetList();

}  // namespace solvane
