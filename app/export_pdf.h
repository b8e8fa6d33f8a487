// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// `solvane --export-pdf FILE [--year YYYY] [--paper a4|a3|letter|legal] [--portrait]
// [--week-numbers] [--day-of-year]`: the year page written without a window, never handed to a
// running program. The default year is the clock's, the default paper the locale's (Letter where it
// measures in US units, else A4) and the page lies in landscape unless asked otherwise.

#include <QStringList>
#include <optional>

namespace solvane {

// Whether the command line asks for the PDF: the program then needs no display.
bool asksForPdf(int argc, char* argv[]);

// Writes the page the arguments (the program's name first) ask for: 0 when written, 2 with a
// message on the error output for a bad argument or a file that cannot be written.
int exportPdf(const QStringList& arguments);

}  // namespace solvane
