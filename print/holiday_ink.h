// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// The red a holiday is written in, on the printed page and in the year view alike: a clear
// red, unlike the grey or coloured text of the days around a month.

#include <QColor>

namespace solvane {

inline QColor holidayInk() {
    return QColor(0xb0, 0x10, 0x10);
}

}  // namespace solvane
