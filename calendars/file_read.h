// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Reading a local file whole, safely: only a regular file is read, it is opened without
// blocking (a FIFO with no writer must not hang the program) and never past a size cap. The
// sources read calendar files through the FileReader seam, so a reader with more checks can
// take this one's place.

#include <QByteArray>
#include <QString>
#include <functional>

#include "source.h"

namespace solvane::calendars {

struct FileRead {
    QByteArray bytes;
    SourceError error;  // Kind::None when the bytes are the file's
};

using FileReader = std::function<FileRead(const QString& path)>;

constexpr qint64 kDefaultFileCap = 64LL * 1024 * 1024;  // bytes; a year of a busy calendar is ~5 MB

// The bytes of the regular file at `path`, or a typed error: NotFound, DanglingLink, Directory,
// NotRegularFile, TooLarge (over `cap` bytes) or Unreadable with the system's reason.
FileRead readRegularFile(const QString& path, qint64 cap = kDefaultFileCap);

}  // namespace solvane::calendars
