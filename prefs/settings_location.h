// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Where prefs.cal lives. Beside the program whenever it is there and can be written, or can
// be created there; when the program's folder cannot be written (an install for the whole
// system), in "<configuration folder>/solvane/prefs.cal", which the first look creates from
// the prefs.cal beside the program, or from the default settings when there is none.

#include <QString>

namespace solvane::prefs {

// Whether this process may write the file or folder at `path`.
using CanWrite = bool (*)(const QString& path);
bool canWrite(const QString& path);

// $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config.
QString configHome();

// The settings file for a program in `programDir`; may create and fill the one in `configHome`.
QString settingsFile(const QString& programDir, const QString& configHome,
                     CanWrite writable = canWrite);

}  // namespace solvane::prefs
