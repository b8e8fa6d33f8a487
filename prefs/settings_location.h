// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Where prefs.cal lives. Beside the program whenever it is there and can be written, or can
// be created there; when the program's folder cannot be written (an install for the whole
// system), in "<configuration folder>/solvane/prefs.cal", which the first look creates from
// the prefs.cal beside the program, or from the default settings when there is none.

#include <QByteArray>
#include <QString>

namespace solvane::prefs {

// Whether this process may write the file or folder at `path`.
using CanWrite = bool (*)(const QString& path);
bool canWrite(const QString& path);

// $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config, with the home folder
// from $HOME, or from the password database when HOME is unset or not absolute. Empty when
// neither names a home. The names are the environment's bytes: a folder whose name is not
// valid UTF-8 is made when missing and reached as it is (see usableFolderName).
QString configHome();
// The same from the given values of XDG_CONFIG_HOME, HOME and the account's home folder.
QString configHome(const QByteArray& xdgConfigHome, const QByteArray& home,
                   const QByteArray& homeInAccount);

// The same for the cache: $XDG_CACHE_HOME when absolute, otherwise ~/.cache.
QString cacheHome();
QString cacheHome(const QByteArray& xdgCacheHome, const QByteArray& home,
                  const QByteArray& homeInAccount);

// The same for the user's own data (the notes): $XDG_DATA_HOME when absolute, otherwise
// ~/.local/share.
QString dataHome();
QString dataHome(const QByteArray& xdgDataHome, const QByteArray& home,
                 const QByteArray& homeInAccount);

// Whether the settings are the prefs.cal beside a program in `programDir`: it can be written,
// or created there.
bool settingsBesideProgram(const QString& programDir, CanWrite writable = canWrite);

// The settings file for a program in `programDir`; may create and fill the one in `configHome`.
// Raises solvane::Error when the settings must go to the configuration folder and
// `configHome` is empty.
QString settingsFile(const QString& programDir, const QString& configHome,
                     CanWrite writable = canWrite);

}  // namespace solvane::prefs
