// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Reading the system's small data files (zone files, the zone table, /etc/timezone) whole, up
// to a limit. Only regular files are read, and none is opened in a way that can block: a FIFO
// or a device put where such a file belongs is treated as no file at all.

#include <cstddef>
#include <optional>
#include <string>

namespace solvane::astro {

enum class FileKind {
    Missing,  // nothing that can be opened for reading
    Regular,
    Other,  // a FIFO, a device, a folder: nothing to read a zone from
};

// What is at `path`, links followed, found by opening it without blocking.
FileKind fileKind(const std::string& path);

// The first `limit` bytes of the regular file at `path` (all of it when it is shorter), or
// nothing when it cannot be opened or is not a regular file. Memory grows with what the file
// holds, not with the limit.
std::optional<std::string> readFileHead(const std::string& path, std::size_t limit);

// The longest first line firstLine() returns.
inline constexpr std::size_t kMaxLineLength = 4096;
// The file's first line without its line end, at most kMaxLineLength bytes; empty when the
// file cannot be read.
std::string firstLine(const std::string& path);

// Whether `path` is a regular file that starts as a compiled zone file does ("TZif").
bool isZoneFile(const std::string& path);

}  // namespace solvane::astro
